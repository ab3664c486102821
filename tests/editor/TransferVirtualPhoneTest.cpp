// Logo download and upload on the engine's built-in virtual phone, and
// without any phone; the location dialogs answered from a timer.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "FileDialogScript.h"
#include "FileTestSupport.h"
#include "MainWindowTest.h"
#include "phone/FrmInputIndex.h"
#include "phone/FrmPicIndex.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

// Types `number` (and `text`) into the next location dialog and presses OK.
ModalScript::Step answerLocation(const QString &number, const QString &text = QString()) {
    return [number, text](QWidget *modal) {
        if (auto *down = qobject_cast<FrmInputIndex *>(modal)) {
            down->txtIndex->setText(number);
            down->cmdOK->click();
        } else if (auto *up = qobject_cast<FrmPicIndex *>(modal)) {
            up->txtIndex->setText(number);
            up->txtPicInfo->setPlainText(text);
            up->cmdOK->click();
        } else {
            ADD_FAILURE() << "expected a location dialog, got " << modal->metaObject()->className();
            static_cast<QDialog *>(modal)->reject();
        }
    };
}

void switchTo(FrmMain &w, int kind) {
    void (FrmMain::*const options[])() = {&FrmMain::optOperator_Click,
                                          &FrmMain::optCallerGroup_Click,
                                          &FrmMain::optPicture_Click, &FrmMain::optStartup_Click};
    (w.*options[kind])();
}

class TransferTest : public MainWindowTest {
protected:
    void SetUp() override {
        home.env.portOverride = QStringLiteral("VIRTUAL");
        home.writeSettings({});
        start();
        ASSERT_EQ(w().ui().txtStat1->text(), "Ready");
    }
    FrmMain &w() { return *window_; }
    LogoDocument &doc() { return window_->document(); }
    FBLogo *logo() { return window_->ui().Velk->Logo(); }
    bool canvasBlank() { return setPixelCount(doc(), 84, 48) == 0; }
};

class TransferRoundTripTest : public TransferTest, public ::testing::WithParamInterface<int> {};

TEST_P(TransferRoundTripTest, UploadedLogoDownloadsAgainPixelForPixel) {
    const int kind = GetParam();
    const bool located = kind == kCallerGroupLogo || kind == kPictureMessage;
    switchTo(w(), kind);
    const Pattern p = patternForKind(kind, 300 + kind);
    drawPattern(doc(), p);
    w().ui().txtNetCode->setText(QStringLiteral("244 05"));
    ModalScript script;
    if (located) {
        script.then(answerLocation(QStringLiteral("2"), QStringLiteral("Hi")));
    }
    w().cmdUpload_Click();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.unexpected(), 0);
    ASSERT_EQ(w().ui().txtStat1->text(), "Ready");

    doc().bModified = false;
    w().mnuNew_Click();
    ASSERT_TRUE(canvasBlank());
    w().ui().txtNetCode->clear();
    doc().bModified = true;
    w().TakeUndoSnapshot();  // a step the download must drop
    if (located) {
        script.then(answerLocation(QStringLiteral("2")));
    }
    w().cmdDownload_Click();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.unexpected(), 0);
    EXPECT_EQ(w().ui().txtStat1->text(), "Ready");
    EXPECT_TRUE(canvasShows(doc(), p));
    EXPECT_FALSE(doc().bModified);
    EXPECT_EQ(w().ui().lblPath->text(), "Untitled");
    EXPECT_FALSE(w().ui().cmdUndo->isEnabled());
    EXPECT_EQ(doc().iLogoKind, kind);
    if (kind == kOperatorLogo) {
        EXPECT_EQ(w().ui().txtNetCode->text(), "244 05");
    }
    if (located) {
        EXPECT_EQ(logo()->CallerGroupNumber(), 1);  // "2" is location 1
    }
    if (kind == kPictureMessage) {
        EXPECT_EQ(logo()->MessageText(), "Hi");
    }
    EXPECT_TRUE(home.messages->shown.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryKind, TransferRoundTripTest,
                         ::testing::Values(int(kOperatorLogo), int(kCallerGroupLogo),
                                           int(kPictureMessage), int(kStartupLogo)));

TEST_F(TransferTest, UploadingAnOperatorLogoAsksNothingAndSendsAnEmptyNetworkCode) {
    logo()->setLogoType(fbCallerLogo);
    logo()->setCallerGroupNumber(4);
    w().ui().txtNetCode->clear();
    doc().setPixel(0, 0, LogoDocument::kSetColor);
    ModalScript script;
    w().cmdUpload_Click();
    EXPECT_EQ(script.shown(), 0);
    EXPECT_EQ(w().ui().txtStat1->text(), "Ready");
    EXPECT_EQ(logo()->LogoType(), fbOperatorLogo);
    EXPECT_EQ(logo()->NetCode(), "");
    EXPECT_EQ(logo()->CallerGroupNumber(), 4);
}

TEST_F(TransferTest, DownloadWithZeroTypedGivesNoLocation) {
    w().optCallerGroup_Click();
    const Pattern first = randomPattern(72, 14, 401);
    drawPattern(doc(), first);
    ModalScript script;
    script.then(answerLocation(QStringLiteral("2")));  // location 1
    w().cmdUpload_Click();
    drawPattern(doc(), randomPattern(72, 14, 402));
    script.then(answerLocation(QStringLiteral("4")));  // location 3
    w().cmdUpload_Click();
    ASSERT_EQ(w().ui().txtStat1->text(), "Ready");

    logo()->setCallerGroupNumber(1);
    script.then(answerLocation(QStringLiteral("0")));  // location -1: none given
    w().cmdDownload_Click();
    EXPECT_EQ(w().ui().txtStat1->text(), "Ready");
    EXPECT_EQ(logo()->CallerGroupNumber(), 1);
    EXPECT_TRUE(canvasShows(doc(), first));
}

TEST_F(TransferTest, CancelledDownloadLeavesAnEmptyUntitledCanvasAndNoStatus) {
    w().optPicture_Click();
    drawPattern(doc(), randomPattern(72, 28, 403));
    doc().sLogoPath = QStringLiteral("/somewhere/earlier.GSP");
    w().ui().lblPath->setText(doc().sLogoPath);
    doc().bModified = true;
    ModalScript script;
    script.cancel();
    w().cmdDownload_Click();
    EXPECT_TRUE(script.done());
    EXPECT_TRUE(canvasBlank());
    EXPECT_EQ(w().ui().lblPath->text(), "Untitled");
    EXPECT_TRUE(w().ui().txtStat1->text().isEmpty());
    EXPECT_FALSE(doc().bModified);
    // the canvas no longer shows that file: Save must ask for a name
    EXPECT_TRUE(doc().sLogoPath.isEmpty());
}

TEST_F(TransferTest, EmptyOrPastTheEndLocationsAreProblemsAndKeepTheCanvasClear) {
    w().optPicture_Click();
    drawPattern(doc(), randomPattern(72, 28, 404));
    ModalScript script;
    script.then(answerLocation(QStringLiteral("10")));
    w().cmdDownload_Click();
    EXPECT_EQ(w().ui().txtStat1->text(), "Problem Downloading Logo");
    EXPECT_TRUE(canvasBlank());
    EXPECT_TRUE(home.messages->shown.empty());
    // a location past the phone's last (groups 0 to 4) is a problem uploading
    w().optCallerGroup_Click();
    script.then(answerLocation(QStringLiteral("9")));
    w().cmdUpload_Click();
    EXPECT_EQ(w().ui().txtStat1->text(), "Problem Uploading Logo");
}

TEST_F(TransferTest, UploadChangesNothingInTheDocument) {
    w().optStartup_Click();
    const Pattern p = patternForKind(kStartupLogo, 405);
    drawPattern(doc(), p);
    doc().sLogoPath = QStringLiteral("/x/boot.NSL");
    doc().bModified = true;
    w().cmdUpload_Click();
    EXPECT_EQ(w().ui().txtStat1->text(), "Ready");
    EXPECT_TRUE(canvasShows(doc(), p));
    EXPECT_EQ(doc().sLogoPath, "/x/boot.NSL");
    EXPECT_TRUE(doc().bModified);
}

// No phone answers: both commands run their connect first, then fail in the
// control and say so in the status text only.
class TransferNoPhoneTest : public MainWindowTest {
protected:
    void SetUp() override {
        home.writeSettings({});
        start();
    }
};

TEST_F(TransferNoPhoneTest, UploadAndDownloadReportTheirProblemInTheStatusText) {
    FrmMain &w = *window_;
    drawPattern(w.document(), randomPattern(72, 14, 406));
    w.ui().txtStat1->setText(QStringLiteral("before"));
    w.cmdUpload_Click();
    EXPECT_EQ(w.ui().txtStat1->text(), "Problem Uploading Logo");
    w.cmdDownload_Click();
    EXPECT_EQ(w.ui().txtStat1->text(), "Problem Downloading Logo");
    EXPECT_EQ(setPixelCount(w.document(), 84, 48), 0);
    EXPECT_TRUE(home.messages->shown.empty());
}

}  // namespace
