// The ring tone window driven as a user would, on the virtual phone; end to
// end, the sample tunes through the phone's ring tone memory and its own
// inbox, and the exported sound files.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <memory>

#include "EditorTestSupport.h"
#include "FileDialogScript.h"
#include "MainWindowTest.h"
#include "MidiFile.h"
#include "VirtualPhoneState.h"
#include "WavFile.h"
#include "ringtones/FrmRingtone.h"
#include "ringtones/SmartMessageSize.h"
#include "shell/SharedValues.h"
#include "velkor17/FBPhonebookEntry.h"
#include "velkor17/FBRingTone.h"
#include "velkor17/FBSms.h"
#include "velkor17/FBSmsBox.h"
#include "velkor17/FBSmsMessage.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

class RingtoneWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        velk = std::make_unique<VelkorControl>();
        ASSERT_TRUE(velk->Connect(QStringLiteral("VIRTUALF")));
        folder = home.root + QStringLiteral("/MyRingtones");
        QDir().mkpath(folder);
        FrmRingtone::Host host;
        host.messages = home.messages;
        host.ringtonesFolder = folder;
        host.phoneCapabilities = [this] {
            return capabilities.isNull() ? velk->PhoneCapabilities() : capabilities;
        };
        frm = std::make_unique<FrmRingtone>(
            velk.get(), values, [this] { return picked; }, host);
    }
    void TearDown() override { frm.reset(); }

    FBRingTone &tone() { return *velk->RingTone(); }
    QString write(const QString &name, const QByteArray &content) {
        const QString path = folder + QLatin1Char('/') + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return path;
    }
    QStringList objectNotes() {
        QStringList notes;
        for (qint16 i = 0; i < tone().Notes(); ++i) {
            notes << tone().Note(i);
        }
        return notes;
    }
    QStringList shownMessages() const {
        QStringList texts;
        for (const auto &m : home.messages->shown) {
            texts << m.text;
        }
        return texts;
    }
    // The tune that the virtual phone keeps at `location`, as its state file
    // records it ("name", "tempo", then the note texts); empty when none.
    static QStringList storedTune(int location) {
        for (const QStringList &r : virtualPhoneRecords(QStringLiteral("ringtone"))) {
            if (r.size() > 5 && r[0].toInt() == location) {
                QStringList tune = {r[1], r[2]};
                for (const QString &note : r.mid(5)) {
                    tune << note.mid(1);  // after the style digit
                }
                return tune;
            }
        }
        return {};
    }

    EditorHome home;
    std::unique_ptr<VelkorControl> velk;
    SharedValues values;
    QString folder;
    QString capabilities;  // null: the phone's own
    QString picked;        // what the phonebook "returns"
    std::unique_ptr<FrmRingtone> frm;
};

}  // namespace

TEST_F(RingtoneWindowTest, OpenTakesTheNameBeforeTheColonAndRefusesBadFirstLinesAndOtherNames) {
    ModalScript script;
    script.chooseFile(write("tune.txt", "Mambo:d=4,o=5,b=100:8a,h,p\n"));
    frm->cmdOpen_Click();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(frm->txtName->text(), "Mambo");
    EXPECT_EQ(objectNotes().size(), 3);
    EXPECT_EQ(frm->txtNotes->toPlainText(), objectNotes().join(','));
    EXPECT_EQ(frm->hscTempo->value(), 100);
    EXPECT_TRUE(shownMessages().isEmpty());
    const struct {
        const char *file;
        QByteArray content;
    } cases[] = {{"long.txt", "TwentyOneCharsLongXYZ:d=4,o=5,b=100:a\n"},
                 {"short.txt", "M\n"},
                 {"tune.rtx", "Mambo:d=4,o=5,b=100:a\n"}};
    frm->txtName->setText("Keep");
    frm->txtNotes->setPlainText("4A5");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        home.messages->shown.clear();
        const QString before = frm->txtRingtonePath->text();
        script.chooseFile(write(c.file, c.content));
        frm->cmdOpen_Click();
        EXPECT_EQ(shownMessages(), QStringList{"Problem opening ringtone file"});
        EXPECT_EQ(frm->txtName->text(), "Keep");
        EXPECT_EQ(frm->txtNotes->toPlainText(), "4A5");
        EXPECT_EQ(frm->txtRingtonePath->text(), before);
    }
}

TEST_F(RingtoneWindowTest, WriteAddsTxtOnlyToANameWithoutADot) {
    const struct {
        const char *typed;
        const char *written;
    } cases[] = {{"first", "first.txt"}, {"second.rtx", "second.rtx"}};
    frm->txtName->setText("Tune");
    frm->txtNotes->setPlainText("4A5,8C6");
    for (const auto &c : cases) {
        ModalScript script;
        script.chooseFile(folder + '/' + c.typed);
        frm->cmdWrite_Click();
        const QString path = folder + '/' + c.written;
        EXPECT_TRUE(QFile::exists(path)) << c.written;
        EXPECT_EQ(frm->txtRingtonePath->text(), path);
        EXPECT_EQ(frm->txtNotes->toPlainText(), "4A5,8C6");
    }
}

TEST_F(RingtoneWindowTest, ReverseTurnsTheNotesRoundInTheObjectAndTheBox) {
    frm->txtNotes->setPlainText("4A5,4B5,4C5");
    frm->cmdReverse_Click();
    EXPECT_EQ(objectNotes(), QStringList({"4C5", "4B5", "4A5"}));
    EXPECT_EQ(frm->txtNotes->toPlainText(), "4C5,4B5,4A5");
}

TEST_F(RingtoneWindowTest, UploadNeedsTheLetterR) {
    frm->txtName->setText("Up");
    frm->txtNotes->setPlainText("4A5,8C6");
    frm->hscTempo->setValue(90);
    frm->cmbLocNum->setCurrentIndex(2);
    const QStringList before = storedTune(3);
    capabilities = QStringLiteral("OCPS");
    frm->cmdUpload_Click();
    EXPECT_EQ(shownMessages(), QStringList{"This phone does not support custom ringtones"});
    EXPECT_EQ(storedTune(3), before);

    capabilities = QStringLiteral("OCPSR");
    frm->cmdUpload_Click();
    EXPECT_EQ(storedTune(3), QStringList({"Up", "90", "4A5", "8C6"}));
}

TEST_F(RingtoneWindowTest, UnreadableNoteIsNamedAndRefusesPlayUploadAndSend) {
    frm->txtNotes->setPlainText("4A5, 8C6,x9");
    EXPECT_EQ(frm->lblNoteError->text(), "note 3: 'x9'");
    for (QPushButton *b : {frm->cmdPlay, frm->cmdUpload, frm->cmdSendSms}) {
        home.messages->shown.clear();
        b->click();
        ASSERT_EQ(shownMessages().size(), 1) << b->objectName().toStdString();
        EXPECT_TRUE(shownMessages()[0].contains("note 3: 'x9'"));
        EXPECT_FALSE(frm->isPlaying());
    }
    frm->txtNotes->setPlainText("4A5,8C6");
    EXPECT_EQ(frm->lblNoteError->text(), "");
}

TEST_F(RingtoneWindowTest, TransposeMovesEveryNoteOrRefusesNamingTheNote) {
    frm->txtNotes->setPlainText("4A5,8P,SS,16G#10.");
    frm->transpose(1);
    ASSERT_EQ(shownMessages().size(), 1);
    EXPECT_TRUE(shownMessages()[0].contains("note 4: '16G#10.'"));
    EXPECT_EQ(frm->txtNotes->toPlainText(), "4A5,8P,SS,16G#10.");
    frm->cmdTransposeDown->click();
    EXPECT_EQ(frm->txtNotes->toPlainText(), "4G#5,8P,SS,16G10.");
    EXPECT_EQ(objectNotes(), QStringList({"4G#5", "8P", "SS", "16G10."}));
}

TEST_F(RingtoneWindowTest, SecondClickOnPlayStopsWhileTheWindowAnswers) {
    frm->txtNotes->setPlainText("4A5,4A5,4A5,4A5,4A5,4A5,4A5,4A5,4A5,4A5");
    frm->hscTempo->setValue(120);  // 5 s in all
    frm->cmbDevice->setCurrentIndex(0);
    QString captionWhilePlaying;
    QTimer::singleShot(300, [&] {
        captionWhilePlaying = frm->cmdPlay->text();
        frm->cmdPlay->click();
    });
    QElapsedTimer clock;
    clock.start();
    frm->cmdPlay->click();
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_EQ(captionWhilePlaying, "Stop");
    EXPECT_EQ(frm->cmdPlay->text(), "Play");
    EXPECT_FALSE(frm->isPlaying());
    if (!FBRingTone::HasAudioOutput()) {
        EXPECT_FALSE(frm->lblStatus->text().isEmpty());
    }
}

TEST_F(RingtoneWindowTest, ClosingDisconnectsAndDefaultFillsTheMessageCentre) {
    frm->show();
    frm->cmdGetMessageCntr_Click();
    EXPECT_FALSE(values.sSMSC.isEmpty());
    EXPECT_EQ(frm->txtMessageCntr->text(), values.sSMSC);
    picked = QStringLiteral("+15555550123");
    frm->cmdGetPhoneNum_Click();
    EXPECT_EQ(frm->txtNumber->text(), picked);
    frm->cmdExit_Click();
    EXPECT_FALSE(frm->isVisible());
    EXPECT_FALSE(velk->Connected());
}

class RingtoneMenuTest : public MainWindowTest {};

TEST_F(RingtoneMenuTest, EditRingtonesMenuOpensTheWindow) {
    home.writeSettings({});
    start();
    window().ui().mnuEditRingtone->trigger();
    auto *frm = window().findChild<FrmRingtone *>(QStringLiteral("frmRingtone"));
    ASSERT_NE(frm, nullptr);
    EXPECT_TRUE(frm->isVisible());
    frm->close();
}

namespace {

const QString kSamples =
    QStringLiteral(GLYPHSMITH_TEST_DATA "/../../editor/shell/resources/ringtones");

}  // namespace

TEST_F(RingtoneWindowTest, EverySampleUploadsAndReadsBackEqual) {
    const QStringList files = QDir(kSamples).entryList({"*.txt"}, QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 21);
    for (int i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].toStdString());
        frm->txtRingtonePath->setText(kSamples + '/' + files[i]);
        frm->cmdRead_Click();
        const QStringList notes = objectNotes();
        ASSERT_FALSE(notes.isEmpty());
        EXPECT_EQ(frm->txtNotes->toPlainText(), notes.join(','));
        const int location = i % 7 + 1;
        frm->cmbLocNum->setCurrentIndex(location - 1);
        frm->cmdUpload_Click();
        EXPECT_EQ(tone().LastError(), 0);
        EXPECT_EQ(storedTune(location),
                  QStringList({tone().Name(), QString::number(tone().Tempo())}) + notes);
    }
    EXPECT_TRUE(shownMessages().isEmpty());
}

TEST_F(RingtoneWindowTest, ASampleSentToTheOwnNumberArrivesEqual) {
    frm->txtRingtonePath->setText(kSamples + QStringLiteral("/mambo.txt"));
    frm->cmdRead_Click();
    const QStringList notes = objectNotes();
    const QString name = tone().Name();
    const qint16 tempo = tone().Tempo();
    frm->txtNumber->setText(velk->PhoneBook(1, fbOwnNumberMemory)->Number());
    ASSERT_FALSE(frm->txtNumber->text().isEmpty());
    FBSms *sms = velk->SMS();
    const qint16 before = sms->Inbox()->Count();
    frm->cmdSendSms_Click();
    ASSERT_EQ(tone().LastError(), 0);
    for (int i = 0; i < 500 && sms->Inbox()->Count() <= before; ++i) {
        QTest::qWait(20);
        sms->Refresh();
    }
    ASSERT_GT(sms->Inbox()->Count(), before);

    const QByteArray userData =
        QByteArray::fromHex(sms->Inbox()->Item(before + 1)->Text().toLatin1());
    ASSERT_FALSE(userData.isEmpty());
    const QByteArray payload = userData.mid(quint8(userData[0]) + 1);  // after the port header
    EXPECT_EQ(payload.size(), smartMessageSize(name, notes).bytes);
    const QString arrived = write("arrived.ott", payload);
    tone().setNotes(1);
    tone().ReadFile(arrived);
    ASSERT_EQ(tone().LastError(), 0);
    EXPECT_EQ(objectNotes(), notes);
    EXPECT_EQ(tone().Name(), name);
    EXPECT_EQ(tone().Tempo(), tempo);
}

// The sound itself is the player's (its own tests measure pitches and
// lengths); here the window writes the format the name asks for.
TEST_F(RingtoneWindowTest, ExportWritesWavOrMidiByTheName) {
    frm->txtName->setText("Midi");
    frm->txtNotes->setPlainText("4A5,8P,8C#6.,16H5,SS,2E5");
    frm->hscTempo->setValue(100);
    frm->cmbDevice->setCurrentIndex(0);  // the speaker's square wave needs no sound font
    ModalScript script;
    script.chooseFile(folder + "/tune.wav").chooseFile(folder + "/tune.mid");
    frm->cmdExport_Click();
    frm->cmdExport_Click();
    EXPECT_TRUE(script.done());
    const auto audio = velkor17::WavFile::read(folder + "/tune.wav");
    ASSERT_TRUE(audio);
    EXPECT_FALSE(audio->samples.empty());
    QFile file(folder + "/tune.mid");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto song = velkor17::MidiFile::decode(file.readAll());
    ASSERT_TRUE(song);
    EXPECT_EQ(song->microsPerQuarter, 600000);
    EXPECT_EQ(song->name, "Midi");
    std::vector<int> keys;
    for (const auto &span : song->spans) {
        if (span.key >= 0) {
            keys.push_back(span.key);
        }
    }
    EXPECT_EQ(keys, (std::vector<int>{69, 73, 71, 64}));
    EXPECT_TRUE(shownMessages().isEmpty());
}
