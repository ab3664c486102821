// The ring tone window driven as a user would, on the virtual phone.
#include <dlfcn.h>

#include <QElapsedTimer>
#include <QTimer>

#include "FileDialogScript.h"
#include "MainWindowTest.h"
#include "RingtoneTestSupport.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

QStringList RingtoneWindowTest::storedTune(int location) const {
    // The engine the control loaded tells where its virtual phone keeps its state.
    void *engine = dlopen("libphoneeng.so", RTLD_NOW | RTLD_NOLOAD);
    using StatePath = int16_t (*)(char *, int32_t);
    auto statePath = engine ? StatePath(dlsym(engine, "phoneeng_virtual_state_path")) : nullptr;
    char path[1024] = {};
    if (statePath == nullptr || statePath(path, sizeof path) != 0) {
        ADD_FAILURE() << "no virtual phone state file";
        return {};
    }
    dlclose(engine);
    QFile f(QString::fromLocal8Bit(path));
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    for (const QByteArray &line : f.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() > 6 && fields[0] == "ringtone" && fields[1].toInt() == location) {
            QStringList tune = {QString::fromLatin1(fields[2]), QString::fromLatin1(fields[3])};
            for (qsizetype i = 6; i < fields.size(); ++i) {
                tune << QString::fromLatin1(fields[i].mid(1));  // after the style digit
            }
            return tune;
        }
    }
    return {};
}

namespace {

const QString kOpenProblem = QStringLiteral("Problem opening ringtone file");

}  // namespace

TEST_F(RingtoneWindowTest, OpenTakesTheNameBeforeTheColonAndReadsTheFile) {
    const QString path = write("tune.txt", "Mambo:d=4,o=5,b=100:8a,h,p\n");
    ModalScript script;
    script.chooseFile(path);
    frm->cmdOpen_Click();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(frm->txtName->text(), "Mambo");
    EXPECT_EQ(objectNotes().size(), 3);
    EXPECT_EQ(frm->txtNotes->toPlainText(), objectNotes().join(','));
    EXPECT_EQ(frm->hscTempo->value(), 100);
    EXPECT_TRUE(shownMessages().isEmpty());
}

TEST_F(RingtoneWindowTest, OpenRefusesBadFirstLinesAndOtherNamesChangingNothing) {
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
        ModalScript script;
        script.chooseFile(write(c.file, c.content));
        frm->cmdOpen_Click();
        EXPECT_EQ(shownMessages(), QStringList{kOpenProblem});
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
