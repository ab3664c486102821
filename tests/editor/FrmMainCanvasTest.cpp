#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cctype>
#include <ostream>
#include <string>

#include "MainWindowTest.h"
#include "PixelCheck.h"
#include "canvas/FrameBox.h"
#include "canvas/KindLayout.h"
#include "canvas/PreviewBox.h"
#include "canvas/ZoomView.h"

using namespace glyphsmith;
using glyphsmith::test::everyPixel;
using glyphsmith::test::forEachPixel;
using glyphsmith::test::MainWindowTest;

namespace {

constexpr QRgb kBlack = LogoDocument::kSetColor;

struct LayoutCase {
    const char *name;
    void (FrmMain::*select)();
    QRect container, shape2;
    QPoint cut, copy, toolBox, real;
    bool decorations;
    int heightTwips, statusTop;
};

void PrintTo(const LayoutCase &c, std::ostream *os) {
    *os << c.name;
}

class KindLayoutTest : public MainWindowTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(KindLayoutTest, EveryKindPlacesItsControls) {
    const LayoutCase &c = GetParam();
    home.writeSettings({});
    FrmMain &w = start();
    (w.*c.select)();
    EXPECT_EQ(w.picContainer->geometry(), c.container);
    EXPECT_EQ(w.Shape2->geometry(), c.shape2);
    EXPECT_EQ(w.OptCut->pos(), c.cut);
    EXPECT_EQ(w.OptCopy->pos(), c.copy);
    EXPECT_EQ(w.fraToolBox->pos(), c.toolBox);
    EXPECT_EQ(w.picReal->geometry(), QRect(c.real, QSize(84, 48)));
    for (QWidget *d :
         {static_cast<QWidget *>(w.picMenuNames), static_cast<QWidget *>(w.lblPhoneTime),
          static_cast<QWidget *>(w.picBattery), static_cast<QWidget *>(w.picAntenna)}) {
        EXPECT_EQ(!d->isHidden(), c.decorations) << d->objectName().toStdString();
    }
    EXPECT_EQ(w.clientHeight(), (c.heightTwips + 7) / 15 - kDesignNonClientHeight);
    EXPECT_EQ(w.centralWidget()->height(), w.clientHeight());
    EXPECT_EQ(w.fraStatusBar->y(), c.statusTop);
    EXPECT_EQ(w.fraStatusBar->geometry().bottom(), w.clientHeight() - 1);
    EXPECT_EQ(w.centralWidget()->width(), 706);
    // the outline just outside the preview
    EXPECT_EQ(w.shpPreviewFrame->geometry(), QRect(c.real - QPoint(1, 1), QSize(86, 50)));
    EXPECT_TRUE(w.shpPreviewFrame->isVisible());
    // the phone picture and its decorations stay where they are
    EXPECT_EQ(w.picPhone->geometry(), QRect(16, 48, 153, 209));
    EXPECT_EQ(w.picAntenna->geometry(), QRect(45, 176, 6, 45));
    EXPECT_EQ(w.picBattery->geometry(), QRect(135, 174, 6, 45));
    EXPECT_EQ(w.picMenuNames->geometry(), QRect(46, 221, 95, 13));
    EXPECT_EQ(w.lblPhoneTime->geometry(), QRect(88, 117, 28, 8));
    EXPECT_EQ(w.picPhone->pixmap().size(), QSize(152, 412));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, KindLayoutTest,
    ::testing::Values(LayoutCase{"Operator", &FrmMain::optOperator_Click, QRect(215, 60, 432, 84),
                                 QRect(210, 55, 442, 94), QPoint(192, 218), QPoint(192, 239),
                                 QPoint(248, 210), QPoint(58, 176), true, 4900, 262},
                      LayoutCase{"CallerGroup", &FrmMain::optCallerGroup_Click,
                                 QRect(215, 60, 432, 84), QRect(210, 55, 442, 94), QPoint(192, 218),
                                 QPoint(192, 239), QPoint(248, 210), QPoint(58, 176), true, 4900,
                                 262},
                      LayoutCase{"Picture", &FrmMain::optPicture_Click, QRect(215, 60, 432, 168),
                                 QRect(210, 55, 442, 178), QPoint(192, 258), QPoint(192, 279),
                                 QPoint(248, 250), QPoint(58, 176), true, 5600, 305},
                      LayoutCase{"Startup", &FrmMain::optStartup_Click, QRect(185, 60, 504, 288),
                                 QRect(180, 55, 514, 298), QPoint(197, 376), QPoint(197, 397),
                                 QPoint(253, 368), QPoint(51, 173), false, 7365, 423}),
    [](const ::testing::TestParamInfo<LayoutCase> &info) { return std::string(info.param.name); });

struct GateCase {
    const char *capabilities;
    bool operatorKind, callerGroup, picture, startup;
};

void PrintTo(const GateCase &c, std::ostream *os) {
    *os << '"' << c.capabilities << '"';
}

class CapabilityGateTest : public MainWindowTest, public ::testing::WithParamInterface<GateCase> {};

TEST_P(CapabilityGateTest, TransferButtonsFollowTheCapabilityLetters) {
    const GateCase &c = GetParam();
    home.env.phoneCapabilities = [&c] { return QString::fromLatin1(c.capabilities); };
    home.writeSettings({});
    FrmMain &w = start();
    const std::pair<void (FrmMain::*)(), bool> kinds[] = {
        {&FrmMain::optOperator_Click, c.operatorKind},
        {&FrmMain::optCallerGroup_Click, c.callerGroup},
        {&FrmMain::optPicture_Click, c.picture},
        {&FrmMain::optStartup_Click, c.startup},
    };
    for (const auto &[select, enabled] : kinds) {
        (w.*select)();
        EXPECT_EQ(w.cmdUpload->isEnabled(), enabled) << w.document().iLogoKind;
        EXPECT_EQ(w.cmdDownload->isEnabled(), enabled) << w.document().iLogoKind;
    }
}

INSTANTIATE_TEST_SUITE_P(Letters, CapabilityGateTest,
                         ::testing::Values(GateCase{"OS", true, false, false, true},
                                           GateCase{"o", false, false, false, false},
                                           GateCase{"", false, false, false, false},
                                           GateCase{"OCS", true, true, false, true},
                                           GateCase{"OCPSRK?", true, true, true, true}),
                         [](const ::testing::TestParamInfo<GateCase> &info) {
                             std::string name = "Letters";
                             for (const char *c = info.param.capabilities; *c; ++c) {
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : 'X';
                             }
                             return name + std::to_string(info.index);
                         });

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

TEST_F(KindSwitchTest, PixelsThatFitCarryOverAndTheRestIsCleared) {
    window_->optPicture_Click();
    fill(QRect(0, 20, 72, 8));
    fill(QRect(0, 5, 72, 1));
    window_->optOperator_Click();
    EXPECT_TRUE(everyPixel([&](int x, int y) {
        return (doc().preview().pixel(x, y) == kBlack) == (y == 5 && x < 72);
    }));
    window_->optPicture_Click();
    EXPECT_TRUE(everyPixel(QRect(0, 0, 72, 28),
                           [&](int x, int y) { return doc().isPixelSet(x, y) == (y == 5); }));
}

TEST_F(KindSwitchTest, OperatorLogoShowsTopLeftInTheStartupKind) {
    fill(QRect(0, 0, 84, 48));  // more than an operator logo holds
    window_->optOperator_Click();
    window_->optStartup_Click();
    EXPECT_TRUE(
        everyPixel([&](int x, int y) { return doc().isPixelSet(x, y) == (x < 72 && y < 14); }));
    EXPECT_EQ(doc().iLogoWidth, 84);
    EXPECT_EQ(doc().iLogoHeight, 48);
}

TEST_F(KindSwitchTest, SwitchForgetsThePathButKeepsModifiedAndLabel) {
    doc().sLogoPath = QStringLiteral("/tmp/x.NOL");
    doc().bModified = true;
    window_->lblPath->setText(QStringLiteral("x.NOL"));
    window_->optCallerGroup_Click();
    EXPECT_TRUE(doc().sLogoPath.isEmpty());
    EXPECT_TRUE(doc().bModified);
    EXPECT_EQ(window_->lblPath->text(), QStringLiteral("x.NOL"));
}

TEST_F(KindSwitchTest, NewInTheStartupKindGivesAnEmptyStartupLogo) {
    window_->optStartup_Click();
    fill(QRect(0, 0, 84, 48));
    doc().bModified = true;
    doc().sLogoPath = QStringLiteral("/tmp/a.NSL");
    window_->lblPath->setText(QStringLiteral("a.NSL"));
    home.messages->answers = {false};
    window_->cmdNew_Click();

    ASSERT_EQ(home.messages->shown.size(), 1u);
    EXPECT_EQ(home.messages->shown[0].title, QStringLiteral("Save As"));
    EXPECT_EQ(home.messages->shown[0].text, QStringLiteral("Save current edited logo?"));
    EXPECT_TRUE(home.messages->shown[0].question);
    EXPECT_EQ(doc().iLogoKind, 3);
    EXPECT_EQ(window_->picContainer->geometry(), QRect(185, 60, 504, 288));
    EXPECT_TRUE(everyPixel([&](int x, int y) {
        return !doc().isPixelSet(x, y) && doc().preview().pixel(x, y) == LogoDocument::kClearColor;
    }));
    EXPECT_EQ(window_->lblPath->text(), QStringLiteral("Untitled"));
    EXPECT_FALSE(doc().bModified);
    EXPECT_TRUE(doc().sLogoPath.isEmpty());
    EXPECT_EQ(window_->txtStat1->text(), QStringLiteral("Ready"));
    EXPECT_FALSE(window_->cmdUndo->isEnabled());
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
    EXPECT_EQ(doc().picUndo, doc().preview());
}

}  // namespace
