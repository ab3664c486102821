// The 8-bit code pages against UTF-16, by round trips over every byte and a
// spread of code points.
#include <gtest/gtest.h>

#include "phone/TextCodec.h"

using namespace phoneeng;

TEST(TextCodec, EveryByteOfTheEightBitCodePagesComesBackAsItWent) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    for (int32_t page : {kCodePageLatin1, kCodePageWindows1252}) {
        const std::u16string wide = decode8Bit(all, page);
        ASSERT_EQ(wide.size(), all.size());
        EXPECT_EQ(encode8Bit(wide, page), all) << page;
    }
    EXPECT_EQ(decode8Bit("\x80", kCodePageWindows1252), u"\u20AC");
}

TEST(TextCodec, Utf8CarriesEveryPlaneAndMarksWhatIsMalformed) {
    const std::u16string wide = u"a\u00E9\u20AC\U0001F600\U0010FFFF";
    const std::string utf8 = encode8Bit(wide, kCodePageUtf8);
    EXPECT_EQ(utf8, "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF");
    EXPECT_EQ(decode8Bit(utf8, kCodePageUtf8), wide);
    // A cut sequence, an overlong form and a lone surrogate.
    EXPECT_EQ(decode8Bit("\xE2\x82", kCodePageUtf8), u"\uFFFD\uFFFD");
    EXPECT_EQ(decode8Bit("\xC0\xAF", kCodePageUtf8), u"\uFFFD\uFFFD");
    EXPECT_EQ(decode8Bit("\xED\xA0\x80", kCodePageUtf8), u"\uFFFD\uFFFD\uFFFD");
}
