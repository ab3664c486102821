// The ring tone window end to end: the sample tunes through the virtual
// phone's ring tone memory and its own inbox, and the exported sound files.
#include <QDir>
#include <QTest>

#include "FileDialogScript.h"
#include "MidiFile.h"
#include "RingtoneTestSupport.h"
#include "WavFile.h"
#include "ringtones/SmartMessageSize.h"
#include "velkor17/FBPhonebookEntry.h"
#include "velkor17/FBSms.h"
#include "velkor17/FBSmsBox.h"
#include "velkor17/FBSmsMessage.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

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
