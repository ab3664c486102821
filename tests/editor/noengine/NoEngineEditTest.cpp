// The editor with no phone engine at all: the whole-logo operations still
// work on the kind's own size and never end the program.
#include <gtest/gtest.h>

#include <QPushButton>
#include <cstdlib>

#include "MainWindowTest.h"

using namespace glyphsmith;

namespace {

const bool kNoEngine =
    setenv("PHONEENG_LIBRARY", "/nonexistent/glyphsmith-test/libphoneeng.so", 1) == 0;

using NoEngineTest = glyphsmith::test::MainWindowTest;

TEST_F(NoEngineTest, FlipsAndInverseUseTheKindsSize) {
    ASSERT_TRUE(kNoEngine);
    home.writeSettings({});
    FrmMain &w = start();
    LogoDocument &doc = w.document();
    doc.setPixel(0, 0, LogoDocument::kSetColor);
    EXPECT_NO_THROW(w.ui().cmdFlipHorizontal->click());
    EXPECT_TRUE(doc.isPixelSet(71, 0));
    EXPECT_NO_THROW(w.ui().cmdFlipVertical->click());
    EXPECT_TRUE(doc.isPixelSet(71, 13));
    EXPECT_NO_THROW(w.ui().cmdInverse->click());
    EXPECT_FALSE(doc.isPixelSet(71, 13));
    EXPECT_TRUE(doc.isPixelSet(0, 0));
    EXPECT_TRUE(doc.isModified());
}

}  // namespace
