#include <gtest/gtest.h>

#include "logo/Logo.h"

using phoneeng::Logo;
using phoneeng::LogoType;

TEST(LogoModel, TypeChangeKeepsThePixelsThatFit) {
    Logo logo;
    logo.setType(LogoType::Startup);
    logo.setPixel(0, 0, true);
    logo.setPixel(71, 13, true);
    logo.setPixel(83, 47, true);  // outside 72 x 14
    logo.setPixel(10, 20, true);  // outside 72 x 14
    logo.setType(LogoType::Operator);
    EXPECT_TRUE(logo.pixel(0, 0));
    EXPECT_TRUE(logo.pixel(71, 13));
    logo.setType(LogoType::Startup);
    EXPECT_TRUE(logo.pixel(0, 0));
    EXPECT_TRUE(logo.pixel(71, 13));
    EXPECT_FALSE(logo.pixel(83, 47));
    EXPECT_FALSE(logo.pixel(10, 20));
}

TEST(LogoModel, PixelsOutsideAreIgnored) {
    Logo logo;
    logo.setType(LogoType::Operator);
    logo.setPixel(-1, 0, true);
    logo.setPixel(72, 0, true);
    logo.setPixel(0, 14, true);
    EXPECT_FALSE(logo.pixel(-1, 0));
    EXPECT_FALSE(logo.pixel(72, 0));
    for (auto p : logo.bitmap().pixels) {
        EXPECT_EQ(p, 0);
    }
}
