#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "MainWindowTest.h"
#include "PixelCheck.h"
#include "canvas/FrameBox.h"
#include "canvas/PreviewBox.h"
#include "canvas/ZoomView.h"

using namespace glyphsmith;
using glyphsmith::test::everyPixel;
using glyphsmith::test::forEachPixel;
using glyphsmith::test::MainWindowTest;

namespace {

constexpr QRgb kBlack = LogoDocument::kSetColor;

TEST_F(MainWindowTest, EveryKindShowsTheLogoSixTimesOverWithNothingOverlapping) {
    home.writeSettings({});
    FrmMain &w = start();
    const MainWindowUi &ui = w.ui();
    void (FrmMain::*const select[])() = {&FrmMain::optOperator_Click,
                                         &FrmMain::optCallerGroup_Click, &FrmMain::optPicture_Click,
                                         &FrmMain::optStartup_Click};
    for (const LogoKind kind : kAllLogoKinds) {
        (w.*select[kind])();
        const LogoKindInfo &info = logoKindInfo(kind);
        const QRect view = ui.picContainer->geometry();
        EXPECT_EQ(view.size(), QSize(info.width, info.height) * LogoDocument::kCell) << kind;
        EXPECT_TRUE(ui.Shape2->geometry().contains(view)) << kind;
        EXPECT_EQ(ui.shpPreviewFrame->geometry(), ui.picReal->geometry().adjusted(-1, -1, 1, 1));
        EXPECT_TRUE(ui.picPhone->geometry().contains(ui.picReal->geometry())) << kind;
        const QWidget *apart[] = {ui.picPhone, ui.picContainer, ui.fraToolBox,
                                  ui.OptCut,   ui.OptCopy,      ui.fraStatusBar};
        for (const QWidget *a : apart) {
            for (const QWidget *b : apart) {
                EXPECT_TRUE(a == b || !a->geometry().intersects(b->geometry()))
                    << kind << " " << a->objectName().toStdString() << " "
                    << b->objectName().toStdString();
            }
        }
        EXPECT_EQ(w.centralWidget()->height(), w.clientHeight());
        EXPECT_EQ(ui.fraStatusBar->geometry().bottom(), w.clientHeight() - 1) << kind;
        EXPECT_EQ(ui.picAntenna->isHidden(), kind == kStartupLogo);
    }
}

// The transfer buttons follow the capability letters exactly as
// transferAllowed (checked against its table in LogoDocumentTest) decides.
TEST_F(MainWindowTest, TransferButtonsFollowTheCapabilityLetters) {
    QString letters;
    home.env.phoneCapabilities = [&letters] { return letters; };
    home.writeSettings({});
    void (FrmMain::*const select[])() = {&FrmMain::optOperator_Click,
                                         &FrmMain::optCallerGroup_Click, &FrmMain::optPicture_Click,
                                         &FrmMain::optStartup_Click};
    for (const char *given : {"OS", "o", "OCPSRK?"}) {
        letters = QString::fromLatin1(given);
        window_.reset();
        FrmMain &w = start();
        for (const LogoKind kind : kAllLogoKinds) {
            (w.*select[kind])();
            const bool allowed = transferAllowed(letters, kind);
            EXPECT_EQ(w.ui().cmdUpload->isEnabled(), allowed) << given << " " << kind;
            EXPECT_EQ(w.ui().cmdDownload->isEnabled(), allowed) << given << " " << kind;
        }
    }
}

class KindSwitchTest : public MainWindowTest {
protected:
    void SetUp() override {
        home.writeSettings({});
        start();
    }
    LogoDocument &doc() { return window_->document(); }
    void fill(const QRect &r) {
        forEachPixel(r, [&](int x, int y) { doc().setPixel(x, y, kBlack); });
    }
};

TEST_F(KindSwitchTest, PixelsThatFitCarryOverTheRestIsClearedAndThePathForgotten) {
    window_->optPicture_Click();
    fill(QRect(0, 20, 72, 8));
    fill(QRect(0, 5, 72, 1));
    doc().setPath(QStringLiteral("/tmp/x.GSP"));
    doc().setModified(true);
    window_->optOperator_Click();
    EXPECT_TRUE(everyPixel([&](int x, int y) {
        return (doc().preview().pixel(x, y) == kBlack) == (y == 5 && x < 72);
    }));
    EXPECT_TRUE(doc().path().isEmpty());
    EXPECT_TRUE(doc().isModified());
    window_->optStartup_Click();
    EXPECT_TRUE(
        everyPixel([&](int x, int y) { return doc().isPixelSet(x, y) == (y == 5 && x < 72); }));
    EXPECT_EQ(doc().logoWidth(), 84);
}

TEST_F(KindSwitchTest, NewInTheStartupKindGivesAnEmptyStartupLogo) {
    window_->optStartup_Click();
    fill(QRect(0, 0, 84, 48));
    doc().setModified(true);
    doc().setPath(QStringLiteral("/tmp/a.NSL"));
    window_->ui().lblPath->setText(QStringLiteral("a.NSL"));
    home.messages->answers = {false};
    window_->cmdNew_Click();

    ASSERT_EQ(home.messages->shown.size(), 1u);
    EXPECT_TRUE(home.messages->shown[0].question);
    EXPECT_EQ(doc().kind(), 3);
    EXPECT_TRUE(everyPixel([&](int x, int y) {
        return !doc().isPixelSet(x, y) && doc().preview().pixel(x, y) == LogoDocument::kClearColor;
    }));
    EXPECT_EQ(window_->ui().lblPath->text(), QStringLiteral("Untitled"));
    EXPECT_FALSE(doc().isModified());
    EXPECT_FALSE(window_->ui().cmdUndo->isEnabled());
}

TEST_F(KindSwitchTest, NewOnAnUnmodifiedLogoAsksNothingAndRedrawRebuildsTheView) {
    doc().setPixel(1, 1, kBlack);
    window_->mnuNew_Click();
    EXPECT_TRUE(home.messages->shown.empty());
    EXPECT_FALSE(doc().isPixelSet(1, 1));
    // Redraw rebuilds the view and the first undo buffer.
    doc().preview().setPixel(3, 2, kBlack);
    EXPECT_FALSE(doc().isPixelSet(3, 2));
    window_->RedrawCanvas();
    EXPECT_TRUE(doc().isPixelSet(3, 2));
    EXPECT_EQ(window_->undoHistory().latest(), doc().preview());
}

}  // namespace
