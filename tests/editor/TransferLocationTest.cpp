// The number typed into a logo location dialog and the location it gives.
#include <gtest/gtest.h>

#include "phone/LogoLocationText.h"
#include "phone/LogoTransferValues.h"

using namespace glyphsmith;

namespace {

TEST(TransferLocationTest, LeadingNumberReadsWhatTheTextBeginsWith) {
    EXPECT_DOUBLE_EQ(leadingNumber("3"), 3);
    EXPECT_DOUBLE_EQ(leadingNumber(" 1 2 "), 12);  // blanks anywhere are ignored
    EXPECT_DOUBLE_EQ(leadingNumber("\t4\n"), 4);
    EXPECT_DOUBLE_EQ(leadingNumber("7abc"), 7);
    EXPECT_DOUBLE_EQ(leadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("-2"), -2);
    EXPECT_DOUBLE_EQ(leadingNumber("+2"), 2);
    EXPECT_DOUBLE_EQ(leadingNumber("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(leadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(leadingNumber("1e2"), 100);
    EXPECT_DOUBLE_EQ(leadingNumber("1D1"), 10);
    EXPECT_DOUBLE_EQ(leadingNumber("3e"), 3);
    EXPECT_DOUBLE_EQ(leadingNumber("&H1F"), 31);
    EXPECT_DOUBLE_EQ(leadingNumber("&o17"), 15);
    EXPECT_DOUBLE_EQ(leadingNumber("&Z1"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("1,5"), 1);
    EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8("\xd9\xa3")), 0);  // not an ASCII digit
}

TEST(TransferLocationTest, LocationIsTheNumberMinusOneRoundedHalfToEven) {
    EXPECT_EQ(locationFromText("1"), 0);
    EXPECT_EQ(locationFromText("3"), 2);
    EXPECT_EQ(locationFromText("5"), 4);
    EXPECT_EQ(locationFromText("0"), -1);
    EXPECT_EQ(locationFromText("abc"), -1);
    EXPECT_EQ(locationFromText("1.5"), 0);  // 0.5 -> 0
    EXPECT_EQ(locationFromText("2.5"), 2);  // 1.5 -> 2
    EXPECT_EQ(locationFromText("3.5"), 2);  // 2.5 -> 2
    EXPECT_EQ(locationFromText("2.6"), 2);  // 1.6 -> 2
    EXPECT_EQ(locationFromText("-4"), -5);
    EXPECT_EQ(locationFromText("100"), LogoTransferValues::kNoLocation);
}

TEST(TransferLocationTest, NumbersBeyondSixteenBitsGiveNoLocation) {
    EXPECT_EQ(locationFromText("32768"), 32767);
    EXPECT_EQ(locationFromText("32769"), LogoTransferValues::kNoLocation);
    EXPECT_EQ(locationFromText("-32767"), -32768);
    EXPECT_EQ(locationFromText("-32768"), LogoTransferValues::kNoLocation);
    EXPECT_EQ(locationFromText("1e400"), LogoTransferValues::kNoLocation);
    EXPECT_EQ(locationFromText("-1e400"), LogoTransferValues::kNoLocation);
    EXPECT_EQ(locationFromText("1e-400"), -1);
}

}  // namespace
