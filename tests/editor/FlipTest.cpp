// Flip horizontal, flip vertical and inverse: against the obvious definition,
// by their properties (twice gives the original), and through the main
// window's buttons.
#include <gtest/gtest.h>

#include <QPushButton>
#include <random>

#include "DrawWindowTest.h"
#include "PixelCheck.h"
#include "canvas/LogoTransforms.h"
#include "document/LogoDocument.h"
#include "velkor17/FBLogo.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;
using glyphsmith::test::DrawWindowTest;
using glyphsmith::test::everyPixel;
using glyphsmith::test::forEachPixel;

namespace {

constexpr QRgb kInk = LogoDocument::kSetColor;
constexpr QRgb kPaper = LogoDocument::kClearColor;

struct Size {
    int w, h;
};
constexpr Size kSizes[] = {{72, 14}, {72, 28}, {84, 48}, {5, 3}, {7, 9}, {1, 1}};

void scribble(LogoDocument &doc, std::mt19937 &rng) {
    std::bernoulli_distribution ink(0.4);
    forEachPixel(QRect(0, 0, 84, 48),
                 [&](int x, int y) { doc.setPixel(x, y, ink(rng) ? kInk : kPaper); });
    doc.redrawCanvas();
}

::testing::AssertionResult sameLogo(const LogoDocument &a, const LogoDocument &b) {
    return everyPixel([&](int x, int y) {
        return a.isPixelSet(x, y) == b.isPixelSet(x, y) &&
               a.preview().pixel(x, y) == b.preview().pixel(x, y);
    });
}

TEST(LogoTransformTest, FlipsMirrorTheLogoAndLeaveTheRest) {
    std::mt19937 rng(1);
    for (const Size s : kSizes) {
        SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h));
        LogoDocument doc;
        scribble(doc, rng);
        const LogoDocument before = doc;
        LogoDocument vertical = doc;
        flipLogoHorizontal(doc, s.w, s.h);
        flipLogoVertical(vertical, s.w, s.h);
        EXPECT_TRUE(everyPixel([&](int x, int y) {
            const bool inLogo = x < s.w && y < s.h;
            const bool mirrored = before.isPixelSet(inLogo ? s.w - 1 - x : x, y);
            return doc.isPixelSet(x, y) == mirrored &&
                   (doc.preview().pixel(x, y) == kInk) == mirrored &&
                   vertical.isPixelSet(x, y) == before.isPixelSet(x, inLogo ? s.h - 1 - y : y);
        }));
    }
}

TEST(LogoTransformTest, EachOperationTwiceGivesTheOriginal) {
    std::mt19937 rng(2);
    for (const Size s : kSizes) {
        for (auto op : {&flipLogoHorizontal, &flipLogoVertical, &invertLogo}) {
            LogoDocument doc;
            scribble(doc, rng);
            const LogoDocument before = doc;
            op(doc, s.w, s.h);
            op(doc, s.w, s.h);
            ASSERT_TRUE(sameLogo(doc, before)) << s.w << "x" << s.h;
        }
    }
}

TEST(LogoTransformTest, InverseTurnsEveryLogoPixel) {
    std::mt19937 rng(3);
    LogoDocument doc;
    scribble(doc, rng);
    const LogoDocument before = doc;
    invertLogo(doc, 72, 28);
    EXPECT_TRUE(everyPixel([&](int x, int y) {
        return doc.isPixelSet(x, y) == ((x < 72 && y < 28) != before.isPixelSet(x, y));
    }));
}

TEST(LogoTransformTest, OnlyExactBlackCountsAsSet) {
    LogoDocument doc;
    doc.setPixel(0, 0, 0xFF010101);  // very dark grey
    doc.setPixel(1, 0, kInk);
    flipLogoHorizontal(doc, 72, 14);
    EXPECT_EQ(doc.preview().pixel(71, 0), kPaper);
    EXPECT_EQ(doc.preview().pixel(70, 0), kInk);
    LogoDocument inverse;
    inverse.setPixel(3, 3, 0xFF010101);
    invertLogo(inverse, 72, 14);
    EXPECT_EQ(inverse.preview().pixel(3, 3), kInk);
}

TEST(LogoTransformTest, TheLibrarysSizeIsUsedOnlyWhenItAnsweredSensibly) {
    const QSize kind(72, 14);
    EXPECT_EQ(usableLogoSize(QSize(72, 28), 0, kind), QSize(72, 28));
    EXPECT_EQ(usableLogoSize(QSize(84, 48), 0, kind), QSize(84, 48));
    EXPECT_EQ(usableLogoSize(QSize(72, 28), 3, kind), kind);
    EXPECT_EQ(usableLogoSize(QSize(0, 0), 0, kind), kind);
    EXPECT_EQ(usableLogoSize(QSize(85, 14), 0, kind), kind);
    EXPECT_EQ(usableLogoSize(QSize(72, -1), 0, kind), kind);
}

using FlipWindowTest = DrawWindowTest;

TEST_F(FlipWindowTest, TheButtonsWorkOverTheKindsSizeAsOneUndoStepEach) {
    setPixels(QRect(0, 0, 1, 14));  // column 0
    w().RedrawCanvas();             // as after any drawing: the undo buffer holds this
    doc().setModified(false);
    w().cmdFlipHorizontal_Click();
    EXPECT_EQ(countSet(QRect(71, 0, 1, 14)), 14);
    EXPECT_EQ(countSetEverywhere(), 14);
    EXPECT_TRUE(viewMatchesPicture());
    EXPECT_TRUE(doc().isModified());
    w().cmdUndo_Click();
    EXPECT_EQ(countSet(QRect(0, 0, 1, 14)), 14);
    EXPECT_EQ(countSetEverywhere(), 14);
    w().cmdInverse_Click();
    EXPECT_EQ(countSetEverywhere(), 71 * 14);
    EXPECT_EQ(countSet(QRect(72, 0, 12, 48)), 0);

    w().optPicture_Click();
    w().mnuNew_Click();
    setPixels(QRect(3, 0, 5, 1));
    w().cmdFlipVertical_Click();
    EXPECT_EQ(countSet(QRect(3, 27, 5, 1)), 5);
    EXPECT_EQ(countSetEverywhere(), 5);
    // the library's logo object is told the kind and gives the size
    w().optStartup_Click();
    w().mnuNew_Click();
    setPixels(QRect(0, 0, 1, 48));
    w().cmdFlipHorizontal_Click();
    EXPECT_EQ(countSet(QRect(83, 0, 1, 48)), 48);
    EXPECT_EQ(countSetEverywhere(), 48);
    EXPECT_EQ(w().ui().Velk->Logo()->LogoType(), fbStartupLogo);
}

}  // namespace
