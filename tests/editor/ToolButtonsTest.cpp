// The tool buttons: the flags each one sets, the marker of the chosen tool,
// the zoomed view's pointer and what choosing a tool resets.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "DrawWindowTest.h"
#include "canvas/FrameBox.h"

using namespace glyphsmith;
using glyphsmith::test::DrawWindowTest;

namespace {

struct ToolCase {
    const char *button;
    const char *pointer;
    bool ToolState::*flag;
    bool eraser;
};

using ToolButtonsTest = DrawWindowTest;

TEST_F(ToolButtonsTest, StartUpChoosesThePencilAndEachButtonItsToolPointerAndMarker) {
    EXPECT_TRUE(w().tools.bPencil);
    EXPECT_FALSE(w().tools.bEraser);
    EXPECT_EQ(w().shSel->x(), w().cmdPencil->x() - 2);
    const ToolCase cases[] = {{"cmdPencil", "picPencil", &ToolState::bPencil, false},
                              {"cmdErasor", "picEraser", &ToolState::bPencil, true},
                              {"cmdFill", "picFlood", &ToolState::bFloodFill, false},
                              {"cmdLine", "picPencil", &ToolState::bLine, false},
                              {"cmdEmptyBox", "picPencil", &ToolState::bEmptyBox, false},
                              {"cmdFullBox", "picPencil", &ToolState::bFullBox, false},
                              {"cmdEmptyCircle", "picPencil", &ToolState::bEmptyCircle, false},
                              {"cmdFullCircle", "picPencil", &ToolState::bFullCircle, false},
                              {"cmdText", "picA", &ToolState::bText, false},
                              {"cmdSelector", "picPencil", &ToolState::bSelector, false}};
    bool ToolState::*const all[] = {&ToolState::bPencil,      &ToolState::bEraser,
                                    &ToolState::bFloodFill,   &ToolState::bLine,
                                    &ToolState::bEmptyBox,    &ToolState::bFullBox,
                                    &ToolState::bEmptyCircle, &ToolState::bFullCircle,
                                    &ToolState::bText,        &ToolState::bSelector};
    for (const ToolCase &c : cases) {
        auto *button = child<QPushButton>(c.button);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        int on = 0;
        for (auto flag : all) {
            on += w().tools.*flag;
        }
        EXPECT_TRUE(w().tools.*c.flag) << c.button;
        EXPECT_EQ(w().tools.bEraser, c.eraser) << c.button;
        EXPECT_EQ(on, c.eraser ? 2 : 1) << c.button;
        EXPECT_TRUE(w().shSel->isVisible()) << c.button;
        EXPECT_EQ(w().shSel->geometry(), QRect(button->x() - 2, 11, 29, 28)) << c.button;
        auto *pointer = child<QLabel>(c.pointer);
        EXPECT_FALSE(pointer->isVisible());
        EXPECT_EQ(view()->cursor().pixmap().toImage(), pointer->pixmap().toImage()) << c.button;
    }
}

TEST_F(ToolButtonsTest, ToolButtonsGiveTheViewTheFocusButTheSelectorDoesNot) {
    w().cmdNew->setFocus();
    w().cmdSelector_Click();
    EXPECT_EQ(w().focusWidget(), w().cmdNew);
    w().cmdLine_Click();
    EXPECT_EQ(w().focusWidget(), view());
}

TEST_F(ToolButtonsTest, ResettingToolsLeavesADragInProgress) {
    w().cmdLine_Click();
    press(cell(3, 3));
    w().cmdFill_Click();
    EXPECT_TRUE(w().tools.bLineDrag);
    EXPECT_FALSE(w().tools.bLine);
    release(cell(3, 3));
}

}  // namespace
