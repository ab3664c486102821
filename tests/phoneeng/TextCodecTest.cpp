// The 8-bit code pages against UTF-16: round trips over every byte and a
// spread of code points, and the system converter as the reference.
#include <gtest/gtest.h>
#include <iconv.h>

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
}

TEST(TextCodec, WindowsCodePageAgreesWithTheSystemConverter) {
    iconv_t reference = iconv_open("UTF-16LE", "WINDOWS-1252");
    if (reference == reinterpret_cast<iconv_t>(-1)) {
        GTEST_SKIP() << "no WINDOWS-1252 converter";
    }
    for (int b = 0x80; b < 0x100; ++b) {
        char in = static_cast<char>(b);
        char16_t out[2] = {};
        char *from = &in, *to = reinterpret_cast<char *>(out);
        size_t inLeft = 1, outLeft = sizeof out;
        if (iconv(reference, &from, &inLeft, &to, &outLeft) != static_cast<size_t>(-1)) {
            EXPECT_EQ(decode8Bit(std::string(1, in), kCodePageWindows1252),
                      std::u16string(1, out[0]))
                << std::hex << b;
        }
    }
    iconv_close(reference);
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
