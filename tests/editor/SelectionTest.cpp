// The area selector on the real main window: dragging a selection, the
// floating picture moved with cut or copy, the right-click copy to the
// clipboard, the Delete key and the selection's state between uses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "DrawWindowTest.h"
#include "canvas/FloatingPicture.h"
#include "canvas/FrameBox.h"
#include "canvas/ShapeControl.h"

using namespace glyphsmith;
using glyphsmith::test::DrawWindowTest;

namespace {

class SelectionTest : public DrawWindowTest {
protected:
    void SetUp() override {
        DrawWindowTest::SetUp();
        w().cmdSelector_Click();
    }
    QWidget *floating() { return w().ui().picMove; }
    // Selects from the centre of one cell to the centre of another.
    void select(QPoint fromCell, QPoint toCell) {
        drag(cell(fromCell.x(), fromCell.y()), cell(toCell.x(), toCell.y()),
             {cell(fromCell.x(), fromCell.y()) + QPoint(1, 1)});
    }
    // Drags the floating picture by `by` view pixels.
    void dragFloating(QPoint by) {
        const QPoint grip(5, 5);
        QTest::mousePress(floating(), Qt::LeftButton, Qt::NoModifier, grip);
        QTest::mouseMove(floating(), grip);
        QTest::mouseMove(floating(), grip + by);
        QTest::mouseRelease(floating(), Qt::LeftButton, Qt::NoModifier, grip);
    }
    bool armed() {
        const SelectorTool *s = tool<SelectorTool>();
        return s && s->state().bSelArmed && !s->state().bSelDone && w().ui().OptCut->isVisible() &&
               w().ui().OptCopy->isVisible() && w().ui().Timer1->isActive();
    }
};

TEST_F(SelectionTest, ElevenBySevenCellsFloatAsThePartOfTheViewUnderTheRectangle) {
    EXPECT_TRUE(armed());
    const auto border = w().ui().shRect->borderStyle();
    w().Timer1_Timer();
    EXPECT_NE(w().ui().shRect->borderStyle(), border) << "the timer alternates the border";
    setPixels(QRect(10, 2, 1, 1));
    w().RedrawCanvas();
    select({10, 2}, {20, 8});
    const SelectionState &s = tool<SelectorTool>()->state();
    const auto &clip = s.PicClip;
    EXPECT_EQ(QRect(clip.ClipX, clip.ClipY, clip.ClipWidth, clip.ClipHeight), QRect(10, 2, 11, 7));
    EXPECT_TRUE(s.bSelDone && !s.bSelArmed && !s.bSelecting);
    ASSERT_TRUE(floating()->isVisible());
    EXPECT_EQ(floating()->geometry(), QRect(63, 15, 60, 36));
    EXPECT_EQ(w().ui().picMove->picture(), doc().view().copy(63, 15, 60, 36));
    EXPECT_FALSE(w().ui().OptCut->isVisible());
    // a move over the view after the release leaves the rectangle alone
    move(QPoint(300, 70));
    EXPECT_EQ(w().ui().shRect->box(), QRectF(63, 15, 60, 36));
}

TEST_F(SelectionTest, TooSmallASelectionAsksForADragAndTheCornerStaysInTheView) {
    drag(QPoint(100, 30), QPoint(101, 60), {QPoint(100, 40)});
    ASSERT_EQ(home.messages->shown.size(), 1u);
    EXPECT_EQ(home.messages->shown[0].text, QStringLiteral("Select Area using Click and Drag."));
    EXPECT_FALSE(floating()->isVisible());
    EXPECT_TRUE(tool<SelectorTool>()->state().bSelArmed);
    EXPECT_FALSE(tool<SelectorTool>()->state().bSelDone);
    press(QPoint(60, 40));
    move(QPoint(-20, -30));
    EXPECT_EQ(w().ui().shRect->box(), QRectF(0, 0, 60, 40));
    release(QPoint(-20, -30));
    EXPECT_TRUE(floating()->isVisible());
    EXPECT_EQ(tool<SelectorTool>()->state().iSelX2, 0);
    EXPECT_EQ(tool<SelectorTool>()->state().PicClip.ClipWidth, 11);
}

TEST_F(SelectionTest, CutAndMoveLeavesAHoleAndPastesFurtherRight) {
    setPixels(QRect(10, 2, 1, 1));
    setPixels(QRect(15, 5, 1, 1));
    setPixels(QRect(20, 8, 1, 1));
    setPixels(QRect(30, 10, 1, 1));  // outside the selection
    w().RedrawCanvas();
    const QImage before = doc().preview().copy();
    ASSERT_TRUE(w().ui().OptCut->isChecked());
    select({10, 2}, {20, 8});
    dragFloating(QPoint(12, 0));
    for (const QPoint p : {QPoint(12, 2), QPoint(17, 5), QPoint(22, 8), QPoint(30, 10)}) {
        EXPECT_TRUE(set(p.x(), p.y())) << p.x() << "," << p.y();
    }
    EXPECT_EQ(countSetEverywhere(), 4);
    EXPECT_TRUE(viewMatchesPicture());
    EXPECT_TRUE(doc().isModified());
    EXPECT_FALSE(floating()->isVisible());
    EXPECT_TRUE(armed());
    // undo goes back to the picture before the cut
    w().cmdUndo_Click();
    EXPECT_EQ(doc().preview(), before);
}

TEST_F(SelectionTest, CopyAndMoveKeepsTheOriginalAndAClickPutsItBack) {
    setPixels(QRect(10, 2, 1, 1));
    w().RedrawCanvas();
    w().ui().OptCopy->setChecked(true);
    select({10, 2}, {14, 4});
    dragFloating(QPoint(0, 30));  // five rows down
    EXPECT_TRUE(set(10, 2));
    EXPECT_TRUE(set(10, 7));
    EXPECT_EQ(countSetEverywhere(), 2);

    w().ui().OptCut->setChecked(true);  // a cut put back leaves no hole
    setPixels(QRect(20, 2, 3, 3));
    w().RedrawCanvas();
    const QImage before = doc().preview().copy();
    select({19, 1}, {24, 6});
    QTest::mousePress(floating(), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    QTest::mouseRelease(floating(), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    EXPECT_EQ(doc().preview(), before);
}

TEST_F(SelectionTest, RightClickCopiesTheEnlargedPictureToTheClipboard) {
    setPixels(QRect(3, 3, 2, 2));
    w().RedrawCanvas();
    doc().setModified(false);
    const QImage before = doc().preview().copy();
    QApplication::clipboard()->clear();
    select({2, 2}, {6, 5});
    const QImage floatingPicture = w().ui().picMove->picture();
    QTest::mousePress(floating(), Qt::RightButton, Qt::NoModifier, QPoint(4, 4));
    release(cell(4, 4), Qt::RightButton);
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              floatingPicture);
    EXPECT_EQ(floatingPicture.size(), QSize(24, 18));
    EXPECT_EQ(doc().preview(), before);
    EXPECT_FALSE(doc().isModified());
    EXPECT_TRUE(armed());
}

TEST_F(SelectionTest, DeleteClearsOnlyAFreshSelection) {
    setPixels(QRect(0, 0, 30, 14));
    w().RedrawCanvas();
    const QImage before = doc().preview().copy();
    w().picContainer_KeyDown(Qt::Key_Delete, {});  // no selection yet
    EXPECT_EQ(doc().preview(), before);
    select({20, 8}, {10, 2});  // dragged up and left
    QTest::keyClick(view(), Qt::Key_Delete);
    EXPECT_EQ(countSet(QRect(10, 2, 11, 7)), 0);
    EXPECT_EQ(countSetEverywhere(), 30 * 14 - 11 * 7);
    EXPECT_TRUE(viewMatchesPicture());
    EXPECT_TRUE(armed());
    w().cmdUndo_Click();
    EXPECT_EQ(doc().preview(), before);
    // a selection put back, then the selector chosen again: its corners
    // are stale and nothing is deleted
    select({10, 2}, {20, 8});
    QTest::mousePress(floating(), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    QTest::mouseRelease(floating(), Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    w().cmdSelector_Click();
    QTest::keyClick(view(), Qt::Key_Delete);
    EXPECT_EQ(countSetEverywhere(), 30 * 14);
}

TEST_F(SelectionTest, AClickBesideWidensTheRectangleAndAnotherToolCancels) {
    doc().preview().setPixel(75, 20, LogoDocument::kSetColor);
    move(QPoint(50, 50));
    EXPECT_EQ(doc().preview().pixel(75, 20), LogoDocument::kClearColor) << "moves clean outside";
    select({2, 2}, {6, 5});
    const QRectF box = w().ui().shRect->box();
    drag(cell(40, 10), cell(40, 10));
    EXPECT_EQ(w().ui().shRect->box(), box.adjusted(-1, -1, 1, 1));
    EXPECT_TRUE(tool<SelectorTool>()->state().bSelDone);
    w().cmdLine_Click();
    EXPECT_FALSE(w().ui().Timer1->isActive());
    EXPECT_FALSE(w().ui().shRect->isVisible());
    EXPECT_FALSE(floating()->isVisible());
    EXPECT_FALSE(w().ui().OptCut->isVisible() || w().ui().OptCopy->isVisible());
}

}  // namespace
