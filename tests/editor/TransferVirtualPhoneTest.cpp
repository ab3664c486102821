// Logo upload and download through the main window on the engine's built-in
// virtual phone; the location dialogs answered from a timer. The transfer's
// own rules are LogoTransferTest's.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "FileTestSupport.h"
#include "LocationDialogScript.h"
#include "MainWindowTest.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

class TransferRoundTripTest : public MainWindowTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        home.env.portOverride = QStringLiteral("VIRTUAL");
        home.writeSettings({});
        start();
        ASSERT_EQ(w().ui().txtStat1->text(), "Ready");
    }
    FrmMain &w() { return *window_; }
    LogoDocument &doc() { return window_->document(); }
};

TEST_P(TransferRoundTripTest, UploadedLogoDownloadsAgainPixelForPixel) {
    const LogoKind kind = LogoKind(GetParam());
    const bool located = kind == kCallerGroupLogo || kind == kPictureMessage;
    QRadioButton *const options[] = {w().ui().optOperator, w().ui().optCallerGroup,
                                     w().ui().optPicture, w().ui().optStartup};
    options[kind]->click();
    ASSERT_EQ(doc().kind(), kind);
    const Pattern p = patternForKind(kind, 300 + kind);
    drawPattern(doc(), p);
    w().ui().txtNetCode->setText(QStringLiteral("244 05"));
    ModalScript script;
    if (located) {
        script.then(answerLocation(QStringLiteral("2"), QStringLiteral("Hi")));
    }
    w().ui().cmdUpload->click();
    ASSERT_EQ(w().ui().txtStat1->text(), "Ready");

    doc().setModified(false);
    w().mnuNew_Click();
    ASSERT_EQ(setPixelCount(doc(), 84, 48), 0);
    w().ui().txtNetCode->clear();
    doc().setPath(QStringLiteral("/somewhere/earlier.NOL"));
    doc().setModified(true);
    w().TakeUndoSnapshot();  // a step the download must drop
    if (located) {
        script.then(answerLocation(QStringLiteral("2")));
    }
    w().ui().cmdDownload->click();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.unexpected(), 0);
    EXPECT_EQ(w().ui().txtStat1->text(), "Ready");
    EXPECT_TRUE(canvasShows(doc(), p));
    EXPECT_FALSE(doc().isModified());
    // the canvas no longer shows that file: Save must ask for a name
    EXPECT_TRUE(doc().path().isEmpty());
    EXPECT_EQ(w().ui().lblPath->text(), "Untitled");
    EXPECT_FALSE(w().ui().cmdUndo->isEnabled());
    EXPECT_EQ(doc().kind(), kind);
    if (kind == kOperatorLogo) {
        EXPECT_EQ(w().ui().txtNetCode->text(), "244 05");
    }
    EXPECT_TRUE(home.messages->shown.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryKind, TransferRoundTripTest,
                         ::testing::Values(int(kOperatorLogo), int(kCallerGroupLogo),
                                           int(kPictureMessage), int(kStartupLogo)));

TEST_F(MainWindowTest, ACancelledDownloadLeavesAnEmptyUntitledCanvasAndNoStatus) {
    home.env.portOverride = QStringLiteral("VIRTUAL");
    home.writeSettings({QStringLiteral("DefaultLogo=PictureMessage Logo")});
    FrmMain &w = start();
    drawPattern(w.document(), randomPattern(72, 28, 403));
    w.ui().lblPath->setText(QStringLiteral("/somewhere/earlier.GSP"));
    w.document().setModified(true);
    ModalScript script;
    script.cancel();
    w.ui().cmdDownload->click();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(setPixelCount(w.document(), 84, 48), 0);
    EXPECT_EQ(w.ui().lblPath->text(), "Untitled");
    EXPECT_TRUE(w.ui().txtStat1->text().isEmpty());
    EXPECT_FALSE(w.document().isModified());
}

}  // namespace
