// The one-step undo: what each drawing operation leaves to undo, and the
// undo button's state.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "DrawWindowTest.h"
#include "document/UndoHistory.h"

using namespace glyphsmith;
using glyphsmith::test::DrawWindowTest;

namespace {

using UndoTest = DrawWindowTest;

TEST_F(UndoTest, EveryToolLeavesAStepToUndo) {
    const std::function<void()> operations[] = {
        [this] {
            w().cmdPencil_Click();
            drag(cell(5, 5), cell(6, 5), {cell(5, 5) + QPoint(1, 0)});
        },
        [this] {
            w().cmdFullBox_Click();
            drag(cell(5, 5), cell(9, 8));
        },
        [this] {
            w().cmdFullCircle_Click();
            drag(cell(20, 6), cell(20, 6) + QPoint(30, 20));
        },
        [this] {
            w().cmdFill_Click();
            drag(cell(40, 10), cell(40, 10));
        },
        [this] {
            w().cmdLine_Click();
            drag(cell(2, 3), cell(10, 3));
        },
        [this] { w().cmdInverse_Click(); },
        [this] { w().cmdFlipVertical_Click(); },
    };
    setPixels(QRect(0, 0, 3, 3));
    w().RedrawCanvas();
    int i = 0;
    for (const auto &op : operations) {
        const QImage before = doc().preview().copy();
        op();
        ASSERT_NE(doc().preview(), before) << "operation " << i;
        ASSERT_TRUE(w().ui().cmdUndo->isEnabled()) << "operation " << i;
        ASSERT_TRUE(doc().isModified()) << "operation " << i;
        w().ui().cmdUndo->click();
        ASSERT_EQ(doc().preview(), before) << "operation " << i;
        EXPECT_TRUE(viewMatchesPicture()) << "operation " << i;
        EXPECT_TRUE(doc().isModified()) << "undo leaves the flag alone";
        // only one step: the button is off until the next operation
        EXPECT_FALSE(w().ui().cmdUndo->isEnabled()) << "operation " << i;
        ++i;
    }
}

TEST_F(UndoTest, NewEmptiesTheBuffersAndAnEmptyBufferGivesAClearPicture) {
    setPixels(QRect(0, 0, 10, 10));
    w().mnuNew_Click();
    EXPECT_FALSE(w().ui().cmdUndo->isEnabled());
    EXPECT_TRUE(w().undoHistory().previous().isNull());
    setPixels(QRect(0, 0, 10, 10));
    w().cmdUndo_Click();
    EXPECT_EQ(countSetEverywhere(), 0);
    EXPECT_TRUE(viewMatchesPicture());
}

TEST_F(UndoTest, ThePlatformsUndoKeyUndoesTheLastStroke) {
    w().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    drag(cell(1, 1), cell(6, 1));
    ASSERT_EQ(countSetEverywhere(), 6);
    QTest::keySequence(w().windowHandle(), QKeySequence::Undo);
    // the button's shortcut clicks it a moment later
    EXPECT_TRUE(QTest::qWaitFor([&] { return countSetEverywhere() == 0; }, 2000));
}

TEST(UndoHistoryTest, UndoGoesBackOneStepAndTellsTheButton) {
    UndoHistory history;
    QSignalSpy available(&history, &UndoHistory::canUndoChanged);
    QImage a(2, 2, QImage::Format_RGB32), b = a;
    a.fill(Qt::black);
    b.fill(Qt::white);
    history.snapshot(a);
    history.snapshot(b);
    history.shift(a);  // the selector's shift keeps Undo as it was
    EXPECT_EQ(history.undo(), b);
    EXPECT_FALSE(history.canUndo());
    history.snapshot(a);
    history.clear();
    EXPECT_TRUE(history.undo().isNull());
    ASSERT_EQ(available.count(), 4);
    EXPECT_EQ(available.at(3).at(0).toBool(), false);
}

}  // namespace
