// The drawing tools driven with the mouse on the real main window: pencil,
// eraser, status text, line, both boxes, both ellipses, flood fill, the
// bounds guard and the clean-up outside the logo.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <cstdlib>

#include "DrawWindowTest.h"
#include "PixelCheck.h"
#include "canvas/LineControl.h"
#include "canvas/ShapeControl.h"

using namespace glyphsmith;
using glyphsmith::test::DrawWindowTest;
using glyphsmith::test::everyPixel;
using glyphsmith::test::forEachPixel;

namespace {

constexpr QRgb kBlack = LogoDocument::kSetColor;
constexpr QRgb kClear = LogoDocument::kClearColor;

using PencilTest = DrawWindowTest;

TEST_F(PencilTest, AClickSetsTheCellInBothPictures) {
    ASSERT_NE(tool<PencilTool>(), nullptr);
    press(cell(3, 3));
    release(cell(3, 3));
    EXPECT_TRUE(set(3, 3));
    EXPECT_EQ(doc().preview().pixel(3, 3), kBlack);
    EXPECT_EQ(countSetEverywhere(), 1);
    // the 5 x 5 inside of the cell, the grid line left alone
    EXPECT_EQ(doc().view().pixel(19, 19), kBlack);
    EXPECT_EQ(doc().view().pixel(23, 23), kBlack);
    EXPECT_EQ(doc().view().pixel(18, 19), LogoDocument::kGridColor);
    EXPECT_TRUE(doc().bModified);
    EXPECT_TRUE(w().ui().cmdUndo->isEnabled());
    EXPECT_EQ(w().ui().txtStat1->text(), QStringLiteral("Ready"));
}

TEST_F(PencilTest, EveryButtonDrawsTheSame) {
    drag(cell(1, 1), cell(3, 1), {}, Qt::RightButton);
    drag(cell(1, 3), cell(3, 3), {}, Qt::MiddleButton);
    drag(cell(1, 5), cell(3, 5), {}, Qt::LeftButton);
    EXPECT_EQ(countSet(QRect(1, 1, 3, 5)), 9);
    EXPECT_EQ(countSetEverywhere(), 9);
}

TEST_F(PencilTest, AFastDiagonalStrokeIsOneConnectedLineUndoneAtOnce) {
    // moves 10 cells apart: every column between gets exactly one cell, each
    // next to the one before
    drag(cell(1, 1), cell(31, 12), {cell(11, 6), cell(21, 9)});
    EXPECT_EQ(countSetEverywhere(), 31);
    int lastRow = 1;
    for (int x = 1; x <= 31; ++x) {
        int row = -1;
        for (int y = 0; y < 14; ++y) {
            row = set(x, y) ? y : row;
        }
        EXPECT_LE(std::abs(row - lastRow), 1) << x;
        lastRow = row;
    }
    EXPECT_TRUE(set(31, 12));
    EXPECT_TRUE(viewMatchesPicture());
    w().ui().cmdUndo->click();
    EXPECT_EQ(countSetEverywhere(), 0) << "one stroke, one undo step";
}

TEST_F(PencilTest, AReleaseBeyondTheViewKeepsThePenDown) {
    press(cell(1, 1));
    move(cell(2, 1));
    w().ui().txtStat1->clear();
    release(QPoint(w().ui().picContainer->width() + 5, 10));
    EXPECT_TRUE(penDown());
    EXPECT_TRUE(w().ui().txtStat1->text().isEmpty()) << "a refused release sets no status";
    // back over the view without a button: it keeps drawing
    move(cell(6, 2));
    EXPECT_TRUE(set(6, 2));
    release(cell(6, 2));
    EXPECT_FALSE(penDown());
    move(cell(8, 2));
    EXPECT_FALSE(set(8, 2));
}

TEST_F(PencilTest, PointsLeftOfTheViewDrawNothing) {
    press(cell(0, 0));
    move(QPoint(-3, 3));
    move(QPoint(-9, 9));
    release(cell(0, 0));
    EXPECT_EQ(countSetEverywhere(), 1) << "only the pressed cell";
}

TEST_F(PencilTest, TheEraserClearsBothPictures) {
    setPixels(QRect(2, 2, 4, 1));
    w().cmdErasor_Click();
    EXPECT_EQ(toolButton(), "cmdErasor");
    drag(cell(2, 2), cell(5, 2), {cell(2, 2) + QPoint(1, 0), cell(3, 2), cell(4, 2)});
    for (int x = 2; x <= 5; ++x) {
        EXPECT_EQ(doc().preview().pixel(x, 2), kClear) << x;
        EXPECT_EQ(doc().view().pixel(x * 6 + 1, 13), kClear) << x;
        EXPECT_EQ(doc().view().pixel(x * 6 + 5, 17), kClear) << x;
    }
}

TEST_F(PencilTest, APixelBeyondTheLogoIsClearedByTheRelease) {
    // X equal to the view's width passes the guard and lands in column 72
    press(QPoint(200, 10));
    w().picContainer_MouseMove(Qt::LeftButton, {}, QPointF(432, 10));
    EXPECT_EQ(doc().preview().pixel(72, 1), kBlack);
    release(cell(5, 1));
    EXPECT_EQ(doc().preview().pixel(72, 1), kClear);
}

using StatusTextTest = DrawWindowTest;

TEST_F(StatusTextTest, ShowsTheCellUnderTheMouseNegativeLeftOfTheView) {
    move(QPoint(431, 83));
    EXPECT_EQ(w().ui().txtStat5->text(), QStringLiteral("71, 13"));
    move(QPoint(105, 30));
    EXPECT_EQ(w().ui().txtStat5->text(), QStringLiteral("17, 5"));
    press(QPoint(10, 20));
    move(QPoint(-3, 20));
    EXPECT_EQ(w().ui().txtStat5->text(), QStringLiteral("-1, 3"));
    release(QPoint(10, 20));
}

class LineToolTest : public DrawWindowTest {
protected:
    void SetUp() override {
        DrawWindowTest::SetUp();
        w().cmdLine_Click();
    }
};

TEST_F(LineToolTest, BothEndsAreDrawn) {
    drag(cell(2, 3), cell(10, 3), {cell(6, 4)});
    for (int x = 2; x <= 10; ++x) {
        EXPECT_TRUE(set(x, 3)) << x;
    }
    EXPECT_EQ(countSetEverywhere(), 9);
    EXPECT_FALSE(lineDragging());
    EXPECT_TRUE(w().ui().Line2->isHidden());
    EXPECT_TRUE(doc().bModified);
    EXPECT_TRUE(viewMatchesPicture());
}

TEST_F(LineToolTest, AReleaseInTheStartingCellSetsOnePixelAndLeftOfTheViewIsColumnZero) {
    drag(cell(7, 7), cell(7, 7) + QPoint(1, 1));
    EXPECT_TRUE(set(7, 7));
    EXPECT_EQ(countSetEverywhere(), 1);
    drag(cell(4, 2), QPoint(-4, 15));
    EXPECT_TRUE(set(0, 2));
    EXPECT_TRUE(set(4, 2));
}

TEST_F(LineToolTest, TheRubberBandFollowsWithoutTouchingThePicture) {
    const QImage before = doc().view().copy();
    press(QPoint(20, 20));
    move(QPoint(80, 50));
    EXPECT_TRUE(w().ui().Line2->isVisible());
    EXPECT_EQ(w().ui().Line2->line(), QLineF(20, 20, 80, 50));
    EXPECT_EQ(w().ui().Line2->borderColor(), QColor(Qt::black));
    move(QPoint(10, 70));
    EXPECT_EQ(w().ui().Line2->line(), QLineF(20, 20, 10, 70));
    EXPECT_EQ(doc().view(), before);
    EXPECT_EQ(countSetEverywhere(), 0);
    release(QPoint(10, 70));
    EXPECT_TRUE(w().ui().Line2->isHidden());
}

struct BoxCase {
    const char *name;
    void (FrmMain::*tool)();
    QPoint from, to;  // cells
    QRect expected;   // cells covered
    bool filled;
};

class BoxToolTest : public DrawWindowTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(BoxToolTest, CoversTheExpectedCells) {
    const BoxCase &c = GetParam();
    (w().*c.tool)();
    drag(cell(c.from.x(), c.from.y()), cell(c.to.x(), c.to.y()), {cell(c.to.x(), c.from.y())});
    const QRect &e = c.expected;
    EXPECT_TRUE(everyPixel(QRect(0, 0, 72, 14), [&](int x, int y) {
        const bool edge = x == e.left() || x == e.right() || y == e.top() || y == e.bottom();
        return set(x, y) == (e.contains(x, y) && (c.filled || edge));
    }));
    EXPECT_TRUE(w().ui().Shape1->isHidden());
    EXPECT_TRUE(w().ui().cmdUndo->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Drags, BoxToolTest,
    ::testing::Values(
        BoxCase{"EmptyDown", &FrmMain::cmdEmptyBox_Click, {2, 2}, {5, 4}, QRect(2, 2, 4, 3), false},
        BoxCase{"EmptyUp", &FrmMain::cmdEmptyBox_Click, {5, 4}, {2, 2}, QRect(2, 2, 4, 3), false},
        // the far corner of a full box lies one cell beyond the released one
        BoxCase{"FullDown", &FrmMain::cmdFullBox_Click, {2, 2}, {5, 4}, QRect(2, 2, 5, 4), true},
        BoxCase{"FullUp", &FrmMain::cmdFullBox_Click, {5, 4}, {2, 2}, QRect(3, 3, 3, 2), true}),
    [](const ::testing::TestParamInfo<BoxCase> &info) { return std::string(info.param.name); });

using BoxRubberBandTest = DrawWindowTest;

TEST_F(BoxRubberBandTest, TheBandSpansFromTheSmallerCorner) {
    w().cmdFullBox_Click();
    press(QPoint(100, 70));
    move(QPoint(40, 20));
    EXPECT_TRUE(w().ui().Shape1->isVisible());
    EXPECT_EQ(w().ui().Shape1->box(), QRectF(40, 20, 60, 50));
    EXPECT_EQ(w().ui().Shape1->shape(), ShapeControl::Rectangle);
    EXPECT_EQ(w().ui().Shape1->fillStyle(), ShapeControl::Solid);
    release(QPoint(40, 20));
    w().cmdEmptyBox_Click();
    EXPECT_EQ(w().ui().Shape1->fillStyle(), ShapeControl::Transparent);
}

class EllipseToolTest : public DrawWindowTest {
protected:
    QRect setBounds() {
        QRect r;
        forEachPixel(QRect(0, 0, 84, 48),
                     [&](int x, int y) { r |= set(x, y) ? QRect(x, y, 1, 1) : QRect(); });
        return r;
    }
};

TEST_F(EllipseToolTest, AWideDragGivesHalfTheDragAsRadii) {
    w().cmdFullCircle_Click();
    const QPoint centre = cell(20, 7);
    press(centre);
    move(centre + QPoint(36, 18));
    // the band is centred on the press point
    EXPECT_EQ(w().ui().Shape1->box(), QRectF(centre.x() - 18, centre.y() - 9, 36, 18));
    EXPECT_EQ(w().ui().Shape1->shape(), ShapeControl::Oval);
    release(centre + QPoint(36, 18));
    // radii 3 and 1.5 around cell (20, 7), filled
    EXPECT_EQ(setBounds(), QRect(QPoint(17, 6), QPoint(23, 8)));
    for (int x = 17; x <= 23; ++x) {
        EXPECT_TRUE(set(x, 7)) << x;
    }
    EXPECT_TRUE(set(20, 6));
    EXPECT_TRUE(set(20, 8));
    for (int y = 6; y <= 8; ++y) {
        for (int d = 0; d <= 3; ++d) {
            EXPECT_EQ(set(20 - d, y), set(20 + d, y)) << d << "," << y;
            EXPECT_EQ(set(20 - d, y), set(20 - d, 14 - y)) << d << "," << y;
        }
    }
}

TEST_F(EllipseToolTest, TheEmptyEllipseLeavesItsInside) {
    w().cmdEmptyCircle_Click();
    setPixels(QRect(30, 5, 1, 1));
    const QPoint centre = cell(30, 6);
    drag(centre, centre + QPoint(60, 24));
    // radii 5 and 2: the ends of the middle row are drawn, the centre stays
    EXPECT_TRUE(set(25, 6));
    EXPECT_TRUE(set(35, 6));
    EXPECT_FALSE(set(30, 6));
    EXPECT_TRUE(set(30, 5)) << "what was inside stays";
    EXPECT_TRUE(set(30, 4));
    EXPECT_TRUE(set(30, 8));
    EXPECT_EQ(setBounds(), QRect(QPoint(25, 4), QPoint(35, 8)));
}

TEST_F(EllipseToolTest, ATallDragGivesTheSmallerEllipseOfTheCircleRule) {
    w().cmdFullCircle_Click();
    const QPoint centre = cell(40, 24);
    w().optStartup_Click();
    w().cmdFullCircle_Click();
    drag(centre, centre + QPoint(36, 72));
    // w = 6, h = 12: the vertical radius is half the dragged width
    EXPECT_EQ(setBounds(), QRect(QPoint(39, 21), QPoint(41, 27)));
}

TEST_F(EllipseToolTest, APurelyVerticalDragDrawsNothingButFinishes) {
    w().cmdEmptyCircle_Click();
    w().ui().txtStat1->clear();
    drag(cell(20, 2), cell(20, 2) + QPoint(0, 40));
    EXPECT_EQ(countSetEverywhere(), 0);
    EXPECT_EQ(w().ui().txtStat1->text(), QStringLiteral("Ready"));
    EXPECT_TRUE(w().ui().Shape1->isHidden());
    EXPECT_TRUE(w().ui().cmdUndo->isEnabled());
}

TEST_F(EllipseToolTest, AFlatDragDrawsARow) {
    w().cmdEmptyCircle_Click();
    drag(cell(20, 7), cell(20, 7) + QPoint(24, 2));
    EXPECT_EQ(setBounds(), QRect(QPoint(18, 7), QPoint(22, 7)));
    EXPECT_EQ(countSetEverywhere(), 5);
}

class FloodFillToolTest : public DrawWindowTest {
protected:
    void SetUp() override {
        DrawWindowTest::SetUp();
        w().cmdFill_Click();
    }
};

TEST_F(FloodFillToolTest, FillsTheBackgroundAndTheReleaseClearsOutside) {
    // a closed box; the fill pours around it
    setPixels(QRect(10, 3, 6, 1));
    setPixels(QRect(10, 8, 6, 1));
    setPixels(QRect(10, 3, 1, 6));
    setPixels(QRect(15, 3, 1, 6));
    press(cell(1, 1));
    EXPECT_TRUE(doc().bModified);
    EXPECT_TRUE(w().ui().cmdUndo->isEnabled());
    release(cell(1, 1));
    EXPECT_TRUE(everyPixel([&](int x, int y) {
        const bool insideBox = x > 10 && x < 15 && y > 3 && y < 8;
        return (doc().preview().pixel(x, y) == kBlack) == (x < 72 && y < 14 && !insideBox);
    }));
    EXPECT_TRUE(viewMatchesPicture());
    EXPECT_TRUE(everyPixel(QRect(0, 13, 72, 1), [&](int x, int y) { return set(x, y); }));
}

TEST_F(FloodFillToolTest, DoesNotPourAroundAWallThroughTheAreaOutsideTheLogo) {
    setPixels(QRect(36, 0, 1, 14));
    drag(cell(5, 5), cell(5, 5));
    EXPECT_TRUE(set(35, 13));
    EXPECT_FALSE(set(37, 0));
    EXPECT_FALSE(set(71, 13));
    EXPECT_EQ(countSet(QRect(37, 0, 35, 14)), 0);
}

TEST_F(FloodFillToolTest, FillingASetAreaChangesNothingAndTheStartupLogoFillsWhole) {
    setPixels(QRect(4, 4, 3, 3));
    drag(cell(5, 5), cell(5, 5));
    EXPECT_EQ(countSetEverywhere(), 9);
    w().optStartup_Click();
    w().cmdFill_Click();
    drag(cell(80, 45), cell(80, 45));
    EXPECT_EQ(countSetEverywhere(), 84 * 48);
}

using BoundsGuardTest = DrawWindowTest;

TEST_F(BoundsGuardTest, EqualityPassesAndBeyondIsRefused) {
    w().cmdLine_Click();
    const float width = static_cast<float>(w().ui().picContainer->width());
    const float height = static_cast<float>(w().ui().picContainer->height());
    w().picContainer_MouseDown(Qt::LeftButton, {}, QPointF(width + 0.5F, 10.0F));
    EXPECT_FALSE(lineDragging());
    w().picContainer_MouseDown(Qt::LeftButton, {}, QPointF(10.0F, height + 1.0F));
    EXPECT_FALSE(lineDragging());
    w().picContainer_MouseDown(Qt::LeftButton, {}, QPointF(width, 10.0F));
    EXPECT_TRUE(lineDragging());
    w().ui().txtStat5->clear();
    w().picContainer_MouseMove(Qt::NoButton, {}, QPointF(width + 1.0F, 10.0F));
    EXPECT_TRUE(w().ui().txtStat5->text().isEmpty()) << "no status text beyond the view";
    w().picContainer_MouseMove(Qt::NoButton, {}, QPointF(width, height));
    EXPECT_EQ(w().ui().txtStat5->text(), QStringLiteral("72, 14"));
    w().ui().txtStat1->clear();
    w().picContainer_MouseUp(Qt::LeftButton, {}, QPointF(width + 1.0F, 10.0F));
    EXPECT_TRUE(w().ui().txtStat1->text().isEmpty());
    EXPECT_TRUE(lineDragging());
    w().picContainer_MouseUp(Qt::LeftButton, {}, QPointF(10.0F, height));
    EXPECT_EQ(w().ui().txtStat1->text(), QStringLiteral("Ready"));
    EXPECT_FALSE(lineDragging());
    // the guard follows the kind's view size
    w().picContainer_MouseDown(Qt::LeftButton, {}, QPointF(500.0F, 280.0F));
    EXPECT_FALSE(lineDragging());
    w().optStartup_Click();
    w().cmdLine_Click();
    w().picContainer_MouseDown(Qt::LeftButton, {}, QPointF(500.0F, 280.0F));
    EXPECT_TRUE(lineDragging());
}

}  // namespace
