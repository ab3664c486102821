// The drawing tools driven with the mouse on the real main window: what each
// tool makes of view coordinates, its rubber band, its undo step, the bounds
// guard and the clean-up outside the logo. The rasterisers themselves are
// checked against slow versions in DrawAlgorithmsTest.
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

namespace {

constexpr QRgb kBlack = LogoDocument::kSetColor;
constexpr QRgb kClear = LogoDocument::kClearColor;

using PencilTest = DrawWindowTest;

TEST_F(PencilTest, AClickSetsTheCellInBothPicturesWithAnyButton) {
    ASSERT_NE(tool<PencilTool>(), nullptr);
    drag(cell(3, 3), cell(3, 3));
    EXPECT_EQ(doc().preview().pixel(3, 3), kBlack);
    // the inside of the cell, the grid line left alone
    EXPECT_EQ(doc().view().pixel(23, 23), kBlack);
    EXPECT_EQ(doc().view().pixel(18, 19), LogoDocument::kGridColor);
    EXPECT_TRUE(doc().isModified());
    EXPECT_TRUE(w().ui().cmdUndo->isEnabled());
    drag(cell(1, 5), cell(3, 5), {}, Qt::RightButton);
    drag(cell(1, 7), cell(3, 7), {}, Qt::MiddleButton);
    EXPECT_EQ(countSetEverywhere(), 7);
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
    EXPECT_TRUE(viewMatchesPicture());
    w().ui().cmdUndo->click();
    EXPECT_EQ(countSetEverywhere(), 0) << "one stroke, one undo step";
}

TEST_F(PencilTest, LeftOfTheViewDrawsNothingAndAReleaseBeyondItKeepsThePenDown) {
    press(cell(0, 0));
    move(QPoint(-3, 3));
    move(QPoint(-9, 9));
    EXPECT_EQ(countSetEverywhere(), 1) << "only the pressed cell";
    release(QPoint(w().ui().picContainer->width() + 5, 10));
    EXPECT_TRUE(penDown());
    move(cell(6, 2));  // back over the view without a button: still drawing
    EXPECT_TRUE(set(6, 2));
    release(cell(6, 2));
    EXPECT_FALSE(penDown());
    move(cell(8, 2));
    EXPECT_FALSE(set(8, 2));
}

TEST_F(PencilTest, TheEraserClearsAndAPixelBeyondTheLogoGoesAtTheRelease) {
    setPixels(QRect(2, 2, 4, 1));
    w().cmdErasor_Click();
    drag(cell(2, 2), cell(5, 2), {cell(3, 2)});
    EXPECT_EQ(countSetEverywhere(), 0);
    EXPECT_TRUE(viewMatchesPicture());
    // X equal to the view's width passes the guard and lands in column 72
    w().cmdPencil_Click();
    press(QPoint(200, 10));
    w().picContainer_MouseMove(Qt::LeftButton, {}, QPointF(432, 10));
    EXPECT_EQ(doc().preview().pixel(72, 1), kBlack);
    release(cell(5, 1));
    EXPECT_EQ(doc().preview().pixel(72, 1), kClear);
}

TEST_F(PencilTest, TheStatusShowsTheCellUnderTheMouseNegativeLeftOfTheView) {
    move(QPoint(431, 83));
    EXPECT_EQ(w().ui().txtStat5->text(), QStringLiteral("71, 13"));
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

TEST_F(LineToolTest, TheBandFollowsAndTheReleaseDrawsBothEnds) {
    const QImage before = doc().view().copy();
    press(cell(2, 3));
    move(cell(6, 4));
    EXPECT_TRUE(w().ui().Line2->isVisible());
    EXPECT_EQ(w().ui().Line2->line(), QLineF(cell(2, 3), cell(6, 4)));
    EXPECT_EQ(doc().view(), before) << "the band does not touch the picture";
    release(cell(10, 3));
    EXPECT_EQ(countSet(QRect(2, 3, 9, 1)), 9);
    EXPECT_EQ(countSetEverywhere(), 9);
    EXPECT_TRUE(w().ui().Line2->isHidden());
    EXPECT_TRUE(viewMatchesPicture());
    drag(cell(4, 2), QPoint(-4, 39));
    EXPECT_TRUE(set(0, 6)) << "a few pixels left of the view round to column zero";
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

class EllipseToolTest : public DrawWindowTest {
protected:
    QRect setBounds() {
        QRect r;
        glyphsmith::test::forEachPixel(QRect(0, 0, 84, 48), [&](int x, int y) {
            r |= set(x, y) ? QRect(x, y, 1, 1) : QRect();
        });
        return r;
    }
};

TEST_F(EllipseToolTest, TheDragGivesTheBandAroundThePressAndHalfOfItAsRadii) {
    w().cmdFullCircle_Click();
    const QPoint centre = cell(20, 7);
    press(centre);
    move(centre + QPoint(36, 18));
    EXPECT_EQ(w().ui().Shape1->box(), QRectF(centre.x() - 18, centre.y() - 9, 36, 18));
    release(centre + QPoint(36, 18));
    // radii 3 and 1.5 around cell (20, 7), filled: rows of 5, 7 and 5
    EXPECT_EQ(setBounds(), QRect(QPoint(17, 6), QPoint(23, 8)));
    EXPECT_EQ(countSetEverywhere(), 17);

    // empty, radii 5 and 2: what was inside stays
    w().mnuNew_Click();
    w().cmdEmptyCircle_Click();
    setPixels(QRect(30, 5, 1, 1));
    drag(cell(30, 6), cell(30, 6) + QPoint(60, 24));
    EXPECT_EQ(setBounds(), QRect(QPoint(25, 4), QPoint(35, 8)));
    EXPECT_FALSE(set(30, 6));
    EXPECT_TRUE(set(30, 5));
}

TEST_F(EllipseToolTest, TallFlatAndVerticalDrags) {
    w().optStartup_Click();
    w().cmdFullCircle_Click();
    // w = 6, h = 12: the vertical radius is half the dragged width
    drag(cell(40, 24), cell(40, 24) + QPoint(36, 72));
    EXPECT_EQ(setBounds(), QRect(QPoint(39, 21), QPoint(41, 27)));
    w().mnuNew_Click();
    w().cmdEmptyCircle_Click();
    drag(cell(20, 7), cell(20, 7) + QPoint(24, 2));
    EXPECT_EQ(setBounds(), QRect(QPoint(18, 7), QPoint(22, 7)));
    w().mnuNew_Click();
    w().cmdEmptyCircle_Click();
    w().ui().txtStat1->clear();
    drag(cell(20, 2), cell(20, 2) + QPoint(0, 40));
    EXPECT_EQ(countSetEverywhere(), 0) << "no width, no ellipse";
    EXPECT_EQ(w().ui().txtStat1->text(), QStringLiteral("Ready"));
    EXPECT_TRUE(w().ui().Shape1->isHidden());
}

class FloodFillToolTest : public DrawWindowTest {
protected:
    void SetUp() override {
        DrawWindowTest::SetUp();
        w().cmdFill_Click();
    }
};

TEST_F(FloodFillToolTest, FillsTheBackgroundInsideTheLogoOnlyAndNotAroundAWall) {
    // a closed box and a wall down column 36: the fill pours around the box,
    // but not around the wall through the area outside the logo
    setPixels(QRect(10, 3, 6, 1));
    setPixels(QRect(10, 8, 6, 1));
    setPixels(QRect(10, 3, 1, 6));
    setPixels(QRect(15, 3, 1, 6));
    setPixels(QRect(36, 0, 1, 14));
    drag(cell(1, 1), cell(1, 1));
    EXPECT_TRUE(everyPixel([&](int x, int y) {
        const bool insideBox = x > 10 && x < 15 && y > 3 && y < 8;
        return (doc().preview().pixel(x, y) == kBlack) == (x <= 36 && y < 14 && !insideBox);
    }));
    EXPECT_TRUE(viewMatchesPicture());
    EXPECT_TRUE(doc().isModified());
    w().optStartup_Click();
    w().cmdFill_Click();
    drag(cell(80, 45), cell(80, 45));
    EXPECT_EQ(countSetEverywhere(), 84 * 48 - 4 * 4) << "the startup logo fills but the box";
}

using BoundsGuardTest = DrawWindowTest;

TEST_F(BoundsGuardTest, EqualityPassesAndBeyondIsRefused) {
    w().cmdLine_Click();
    const float width = static_cast<float>(w().ui().picContainer->width());
    const float height = static_cast<float>(w().ui().picContainer->height());
    w().picContainer_MouseDown(Qt::LeftButton, {}, QPointF(width + 0.5F, 10.0F));
    w().picContainer_MouseDown(Qt::LeftButton, {}, QPointF(10.0F, height + 1.0F));
    EXPECT_FALSE(lineDragging());
    w().picContainer_MouseDown(Qt::LeftButton, {}, QPointF(width, 10.0F));
    EXPECT_TRUE(lineDragging());
    w().ui().txtStat5->clear();
    w().picContainer_MouseMove(Qt::NoButton, {}, QPointF(width + 1.0F, 10.0F));
    EXPECT_TRUE(w().ui().txtStat5->text().isEmpty()) << "no status text beyond the view";
    w().picContainer_MouseUp(Qt::LeftButton, {}, QPointF(width + 1.0F, 10.0F));
    EXPECT_TRUE(lineDragging());
    w().picContainer_MouseUp(Qt::LeftButton, {}, QPointF(10.0F, height));
    EXPECT_FALSE(lineDragging());
    // the guard follows the kind's view size
    w().optStartup_Click();
    w().cmdLine_Click();
    w().picContainer_MouseDown(Qt::LeftButton, {}, QPointF(500.0F, 280.0F));
    EXPECT_TRUE(lineDragging());
}

}  // namespace
