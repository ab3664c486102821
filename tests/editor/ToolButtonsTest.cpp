// The tool buttons: the tool each one chooses, the marker of the chosen
// tool, the zoomed view's pointer and what choosing a tool resets.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "DrawWindowTest.h"
#include "canvas/FrameBox.h"
#include "canvas/LineControl.h"

using namespace glyphsmith;
using glyphsmith::test::DrawWindowTest;

namespace {

using ToolButtonsTest = DrawWindowTest;

TEST_F(ToolButtonsTest, StartUpChoosesThePencilAndEachButtonItsToolPointerAndMarker) {
    EXPECT_EQ(toolButton(), "cmdPencil");
    const char *const pointers[] = {"picPencil", "picEraser", "picFlood", "picA", "picHand"};
    for (const ToolDef &def : ToolBox::tools()) {
        auto *button = child<QPushButton>(def.button);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(toolButton(), def.button);
        EXPECT_TRUE(w().ui().shSel->isVisible()) << def.button;
        EXPECT_TRUE(w().ui().shSel->geometry().contains(button->geometry())) << def.button;
        auto *pointer = child<QLabel>(pointers[def.pointer]);
        EXPECT_FALSE(pointer->isVisible());
        EXPECT_EQ(view()->cursor().pixmap().toImage(), pointer->pixmap().toImage()) << def.button;
    }
}

TEST_F(ToolButtonsTest, ToolButtonsGiveTheViewTheFocusButTheSelectorDoesNot) {
    w().ui().cmdNew->setFocus();
    w().cmdSelector_Click();
    EXPECT_EQ(w().focusWidget(), w().ui().cmdNew);
    w().cmdLine_Click();
    EXPECT_EQ(w().focusWidget(), view());
}

TEST_F(ToolButtonsTest, AnotherToolEndsADragWithoutDrawing) {
    w().cmdLine_Click();
    press(cell(3, 3));
    move(cell(9, 3));
    w().cmdFill_Click();
    EXPECT_TRUE(w().ui().Line2->isHidden());
    EXPECT_EQ(countSetEverywhere(), 0);
}

}  // namespace
