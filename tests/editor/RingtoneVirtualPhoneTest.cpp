// The ring tone window end to end: the sample tunes through the virtual
// phone's ring tone memory and its own inbox, and the exported sound files.
#include <QDir>
#include <QTest>
#include <cmath>

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

TEST_F(RingtoneWindowTest, ExportedWavOfOneNoteHasItsPitchAndLength) {
    frm->txtName->setText("One");
    frm->txtNotes->setPlainText("4A5");
    frm->hscTempo->setValue(120);
    frm->optStyle[1]->click();  // continuous: sound for the whole 500 ms
    frm->cmbDevice->setCurrentIndex(0);
    ModalScript script;
    script.chooseFile(folder + "/one.wav");
    frm->cmdExport_Click();
    const auto audio = velkor17::WavFile::read(folder + "/one.wav");
    ASSERT_TRUE(audio);
    const std::vector<qint16> &s = audio->samples;
    size_t first = 0, last = s.size();
    while (first < s.size() && s[first] == 0) {
        ++first;
    }
    while (last > first && s[last - 1] == 0) {
        --last;
    }
    int crossings = 0;
    for (size_t i = first + 1; i < last; ++i) {
        crossings += (s[i - 1] < 0) != (s[i] < 0);
    }
    const double seconds = double(last - first) / audio->sampleRate;
    EXPECT_NEAR(seconds, 0.5, 0.005);
    EXPECT_NEAR(crossings / 2.0 / seconds, 440.0, 4.4);
}

TEST_F(RingtoneWindowTest, ExportedMidiGivesTheSameNotesBack) {
    frm->txtName->setText("Midi");
    frm->txtNotes->setPlainText("4A5,8P,8C#6.,16H5,SS,2E5");
    frm->hscTempo->setValue(100);
    frm->optStyle[0]->click();
    ModalScript script;
    script.chooseFile(folder + "/tune.mid");
    frm->cmdExport_Click();
    QFile file(folder + "/tune.mid");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto song = velkor17::MidiFile::decode(file.readAll());
    ASSERT_TRUE(song);
    EXPECT_EQ(song->microsPerQuarter, 600000);
    EXPECT_EQ(song->name, "Midi");
    // Each sounding note with its whole length (sound and the silence after
    // it) in ticks of 480 per quarter; the pause joins the first note's gap.
    std::vector<std::pair<int, int>> heard;
    for (const auto &span : song->spans) {
        if (span.key >= 0) {
            heard.emplace_back(span.key, 0);
        }
        ASSERT_FALSE(heard.empty());
        heard.back().second += span.ticks;
    }
    const std::vector<std::pair<int, int>> expected = {{69, 720}, {73, 360}, {71, 120}, {64, 960}};
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(song->spans.back().ticks, 640);  // the staccato gap after E5
}
