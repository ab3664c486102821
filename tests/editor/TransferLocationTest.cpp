// The number typed into a logo location dialog and the location it gives.
#include <gtest/gtest.h>

#include "phone/LogoLocationText.h"
#include "shell/SharedValues.h"

using namespace glyphsmith;

namespace {

constexpr qint16 kNone = SharedValues::kNoLocation;

TEST(TransferLocationTest, LeadingNumberReadsWhatTheTextBeginsWith) {
    // Blanks anywhere are ignored; "&H" and "&O" are hexadecimal and octal;
    // "D" is an exponent like "E"; an Arabic-Indic digit is no digit.
    const std::pair<const char *, double> cases[] = {
        {"3", 3},   {" 1 2 ", 12}, {"\t4\n", 4}, {"7abc", 7}, {"abc", 0},   {"", 0},
        {"-2", -2}, {"+2", 2},     {"2.5", 2.5}, {".5", 0.5}, {"1e2", 100}, {"1D1", 10},
        {"3e", 3},  {"&H1F", 31},  {"&o17", 15}, {"&Z1", 0},  {"1,5", 1},   {"\xd9\xa3", 0}};
    for (const auto &[text, number] : cases) {
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(text)), number) << text;
    }
}

TEST(TransferLocationTest, LocationIsTheNumberMinusOneRoundedHalfToEven) {
    // 0.5 -> 0, 1.5 -> 2, 2.5 -> 2; past 16 bits (or 100 and more) no location.
    const std::pair<const char *, qint16> cases[] = {
        {"1", 0},          {"3", 2},           {"5", 4},          {"0", -1},
        {"abc", -1},       {"1.5", 0},         {"2.5", 2},        {"3.5", 2},
        {"2.6", 2},        {"-4", -5},         {"100", kNone},    {"32768", 32767},
        {"32769", kNone},  {"-32767", -32768}, {"-32768", kNone}, {"1e400", kNone},
        {"-1e400", kNone}, {"1e-400", -1}};
    for (const auto &[text, location] : cases) {
        EXPECT_EQ(locationFromText(QString::fromLatin1(text)), location) << text;
    }
}

}  // namespace
