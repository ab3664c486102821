// Every logo type through every format that can hold it, and the variants
// other writers produce.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "LogoTestSupport.h"
#include "logo/ByteIo.h"
#include "logo/LogoCodec.h"
#include "logo/NetCode.h"
#include "phoneeng.h"

using namespace phoneeng;
using logotest::kAllTypes;
using logotest::logoWith;
using logotest::randomLogo;

namespace {

// Decodes `bytes` into a logo that starts as `start`.
Logo readInto(const std::vector<uint8_t> &bytes, Logo start = Logo{}) {
    DecodedLogo decoded;
    EXPECT_EQ(decodeLogo(bytes, decoded), PE_OK);
    applyDecodedLogo(decoded, start);
    return start;
}

}  // namespace

TEST(LogoRoundTrip, EveryTypeInNlmBmpAndOtaBitmap) {
    for (LogoType type : kAllTypes) {
        const Logo logo = randomLogo(type, static_cast<unsigned>(type));
        for (LogoFormat format : {LogoFormat::Nlm, LogoFormat::Bmp, LogoFormat::Otb}) {
            // BMP and OTA bitmaps carry no type: 72 x 14 keeps a caller-group type.
            Logo start;
            start.setType(type);
            const Logo back = readInto(encodeLogo(logo, format), start);
            EXPECT_EQ(back.type(), type) << static_cast<int>(format);
            EXPECT_EQ(back.bitmap(), logo.bitmap()) << static_cast<int>(format);
        }
    }
}

TEST(LogoRoundTrip, OwnFormatsKeepTypeAndNetworkCode) {
    const std::pair<LogoType, LogoFormat> own[] = {{LogoType::Operator, LogoFormat::Nol},
                                                   {LogoType::Caller, LogoFormat::Ngg},
                                                   {LogoType::Startup, LogoFormat::Nsl}};
    for (const auto &[type, format] : own) {
        Logo logo = randomLogo(type, 7 + static_cast<unsigned>(type));
        logo.netCode = type == LogoType::Operator ? "234 10" : "";
        const Logo back = readInto(encodeLogo(logo, format));
        EXPECT_EQ(back.type(), type);
        EXPECT_EQ(back.netCode, logo.netCode);
        EXPECT_EQ(back.bitmap(), logo.bitmap());
    }
}

TEST(LogoRoundTrip, SmallerLogosSitTopLeftInAStartupNsl) {
    const Logo op = logoWith(LogoType::Operator, {{0, 0}, {71, 13}});
    const Logo back = readInto(encodeLogo(op, LogoFormat::Nsl));
    EXPECT_EQ(back.type(), LogoType::Startup);
    EXPECT_TRUE(back.pixel(0, 0));
    EXPECT_TRUE(back.pixel(71, 13));
    EXPECT_EQ(std::count(back.bitmap().pixels.begin(), back.bitmap().pixels.end(), 1), 2);
}

TEST(LogoRoundTrip, NolOfAnotherSizeIsPaddedToEightAndCroppedOnReading) {
    // 78 x 21, as later phones use: 1638 pixel characters, padded to 1640.
    Logo wide;
    wide.setType(LogoType::Startup);
    wide.setPixel(0, 0, true);
    wide.setPixel(77, 20, true);
    DecodedLogo decoded;
    auto bytes = encodeLogo(wide, LogoFormat::Nol);
    ASSERT_EQ(bytes.size(), 20u + 84u * 48u);
    bytes[10] = 78;
    bytes[12] = 21;
    bytes.resize(20 + 78 * 21);
    ASSERT_EQ(decodeLogo(bytes, decoded), PE_OK);
    EXPECT_EQ(decoded.bitmap.width, 78);
    Logo back;
    applyDecodedLogo(decoded, back);
    EXPECT_EQ(back.type(), LogoType::Operator);
    EXPECT_EQ(back.width(), 72);
    EXPECT_TRUE(back.pixel(0, 0));
}

TEST(LogoRoundTrip, TrailingDataAndUnknownHeaderBytesAreIgnored) {
    Logo op = randomLogo(LogoType::Operator, 3);
    op.netCode = "244 05";
    auto nol = encodeLogo(op, LogoFormat::Nol);
    nol[18] = 0xAB;  // unknown field
    nol[19] = 0xCD;
    nol.insert(nol.end(), {'i', 'n', 'f', 'o', 0x00, 0xFF});
    EXPECT_EQ(readInto(nol).bitmap(), op.bitmap());

    auto ngg = encodeLogo(randomLogo(LogoType::Caller, 4), LogoFormat::Ngg);
    ngg[14] = 0x12;
    ngg.push_back('0');
    EXPECT_EQ(readInto(ngg).bitmap(), randomLogo(LogoType::Caller, 4).bitmap());

    // NLM with a frame count and a second frame; only the first is read.
    auto nlm = encodeLogo(randomLogo(LogoType::Picture, 5), LogoFormat::Nlm);
    nlm[6] = 1;
    nlm.insert(nlm.end(), 9 * 28, 0xFF);
    EXPECT_EQ(readInto(nlm).bitmap(), randomLogo(LogoType::Picture, 5).bitmap());
}

TEST(LogoRoundTrip, NslWithOtherChunksAndLargerSizes) {
    const Logo startup = randomLogo(LogoType::Startup, 11);
    const auto plain = encodeLogo(startup, LogoFormat::Nsl);
    // VERS and an unknown chunk before NSLD, a COMM chunk after, data after FORM.
    std::vector<uint8_t> chunked = {'F', 'O', 'R', 'M', 0, 0};
    const std::vector<uint8_t> vers = {'V', 'E', 'R', 'S', 0, 3, '1', '.', '0'};
    const std::vector<uint8_t> odd = {'X', 'Y', 'Z', 'W', 0, 0};
    const std::vector<uint8_t> comm = {'C', 'O', 'M', 'M', 0, 4, 'C', 'O', 'M', '1'};
    chunked.insert(chunked.end(), vers.begin(), vers.end());
    chunked.insert(chunked.end(), odd.begin(), odd.end());
    chunked.insert(chunked.end(), plain.begin() + 6, plain.end());
    chunked.insert(chunked.end(), comm.begin(), comm.end());
    const size_t formLength = chunked.size() - 6;
    chunked[4] = static_cast<uint8_t>(formLength >> 8);
    chunked[5] = static_cast<uint8_t>(formLength & 0xFF);
    chunked.push_back(0x00);
    EXPECT_EQ(readInto(chunked).bitmap(), startup.bitmap());

    // 96 x 65 (864 bytes, 9 bands): cropped to 84 x 48.
    std::vector<uint8_t> big = {'F', 'O', 'R', 'M', 0x03, 0x66, 'N', 'S', 'L', 'D', 0x03, 0x60};
    big.resize(12 + 864, 0);
    big[12 + 5 * 96 + 83] = 0x80;  // band 5, column 83, row 47
    big[12 + 5 * 96 + 90] = 0x80;  // column 90: cropped
    big[12 + 8 * 96 + 0] = 0x01;   // row 64: cropped
    const Logo back = readInto(big);
    EXPECT_EQ(back.type(), LogoType::Startup);
    EXPECT_TRUE(back.pixel(83, 47));
    EXPECT_EQ(std::count(back.bitmap().pixels.begin(), back.bitmap().pixels.end(), 1), 1);
}

TEST(LogoRoundTrip, OtaBitmapWithPaddedRowsOrExtensionBytes) {
    const Logo startup = logoWith(LogoType::Startup, {{0, 1}, {83, 47}});
    // One writer pads each 84-pixel row to 11 bytes.
    std::vector<uint8_t> padded = {0x00, 84, 48, 0x01};
    padded.resize(4 + 11 * 48, 0);
    padded[4 + 11] = 0x80;            // (0, 1)
    padded[4 + 47 * 11 + 10] = 0x10;  // (83, 47)
    EXPECT_EQ(readInto(padded).bitmap(), startup.bitmap());

    // Info byte 01 (one writer), 16-bit sizes, an extension byte.
    auto otb = encodeLogo(logoWith(LogoType::Operator, {{5, 5}}), LogoFormat::Otb);
    otb[0] = 0x01;
    EXPECT_TRUE(readInto(otb).pixel(5, 5));
    std::vector<uint8_t> wide = {0x90, 0x00, 0x00, 72, 0x00, 14, 0x01};
    wide.insert(wide.end(), otb.begin() + 4, otb.end());
    EXPECT_TRUE(readInto(wide).pixel(5, 5));
}

TEST(LogoRoundTrip, BmpVariantsFromOtherWriters) {
    const Logo op = logoWith(LogoType::Operator, {{0, 0}, {71, 13}, {8, 1}});
    auto bmp = encodeLogo(op, LogoFormat::Bmp);
    // Palette swapped (0 black, 1 white) with the bits inverted.
    std::swap_ranges(bmp.begin() + 54, bmp.begin() + 58, bmp.begin() + 58);
    for (size_t i = 62; i < bmp.size(); ++i) {
        bmp[i] = static_cast<uint8_t>(~bmp[i]);
    }
    EXPECT_EQ(readInto(bmp).bitmap(), op.bitmap());

    // Top-down rows: negative height and the rows reversed.
    auto topDown = encodeLogo(op, LogoFormat::Bmp);
    const int32_t negative = -14;
    std::memcpy(&topDown[22], &negative, 4);
    std::vector<uint8_t> rows(topDown.begin() + 62, topDown.end());
    for (int r = 0; r < 14; ++r) {
        std::copy_n(rows.begin() + (13 - r) * 12, 12, topDown.begin() + 62 + r * 12);
    }
    EXPECT_EQ(readInto(topDown).bitmap(), op.bitmap());
}

TEST(LogoRoundTrip, BmpWithCoreAndLargerInfoHeaders) {
    const Logo op = logoWith(LogoType::Operator, {{0, 0}, {71, 13}, {8, 1}});
    const auto bmp = encodeLogo(op, LogoFormat::Bmp);
    const std::vector<uint8_t> rows(bmp.begin() + 62, bmp.end());

    // 12-byte core header, 3-byte palette entries.
    std::vector<uint8_t> core = {'B', 'M', 0, 0, 0, 0,  0, 0,  0, 0, 32, 0, 0,
                                 0,   12,  0, 0, 0, 72, 0, 14, 0, 1, 0,  1, 0};
    core.insert(core.end(), {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00});
    core.insert(core.end(), rows.begin(), rows.end());
    EXPECT_EQ(readInto(core).bitmap(), op.bitmap());

    // 124-byte header: the palette follows the longer header.
    std::vector<uint8_t> v5(bmp.begin(), bmp.begin() + 54);
    v5[14] = 124;
    v5[10] = 14 + 124 + 8;
    v5.resize(14 + 124, 0);
    v5.insert(v5.end(), bmp.begin() + 54, bmp.end());
    EXPECT_EQ(readInto(v5).bitmap(), op.bitmap());
}

TEST(LogoRoundTrip, SizesWithoutATypePickOne) {
    using T = LogoType;
    const std::tuple<int, int, T, T> cases[] = {
        {72, 14, T::None, T::Operator},    {72, 14, T::Caller, T::Caller},
        {72, 14, T::Startup, T::Operator}, {72, 28, T::Operator, T::Picture},
        {84, 48, T::Caller, T::Startup},   {16, 16, T::Caller, T::Caller},
        {16, 16, T::None, T::Picture},     {60, 10, T::None, T::Operator},
        {100, 100, T::None, T::Startup}};
    for (const auto &[w, h, before, picked] : cases) {
        EXPECT_EQ(typeForSize(w, h, before), picked) << w << "x" << h;
    }
}

TEST(LogoNetCode, ParsesTheCommonSpellingsAndFormatsWithTheLeadingZero) {
    for (const char *spelling : {"244 05", " 244  5 ", "244-05", "24405"}) {
        EXPECT_EQ(parseNetCode(spelling), (NetCode{244, 5})) << spelling;
    }
    EXPECT_EQ(parseNetCode("310260"), (NetCode{310, 260}));
    EXPECT_EQ(parseNetCode(""), NetCode{});
    for (const char *bad :
         {"abc", "244", "2440", "1234 05", "244 0505", "244 x5", "244 05 1", "-244 05"}) {
        EXPECT_FALSE(parseNetCode(bad)) << bad;
    }
    EXPECT_EQ(formatNetCode({244, 5}), "244 05");
    EXPECT_EQ(formatNetCode({310, 260}), "310 260");
    EXPECT_EQ(formatNetCode({1, 1}), "001 01");
    EXPECT_EQ(formatNetCode({}), "");
}
