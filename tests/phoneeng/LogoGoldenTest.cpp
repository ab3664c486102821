// The worked examples of the file formats, byte for byte, both ways.
#include <gtest/gtest.h>

#include "LogoTestSupport.h"
#include "logo/LogoCodec.h"
#include "logo/OtaBitmap.h"
#include "phoneeng.h"

using namespace phoneeng;
using logotest::bytesOf;
using logotest::logoWith;

namespace {

// Encodes `logo` as `format`, expects `golden`, decodes `golden` back.
void expectGolden(const Logo &logo, LogoFormat format, const std::vector<uint8_t> &golden,
                  LogoType readType) {
    EXPECT_EQ(encodeLogo(logo, format), golden);
    DecodedLogo decoded;
    ASSERT_EQ(decodeLogo(golden, decoded), PE_OK);
    EXPECT_EQ(decoded.format, format);
    Logo back;
    back.setType(readType);
    applyDecodedLogo(decoded, back);
    EXPECT_EQ(back.type(), readType);
    EXPECT_EQ(back.bitmap(), logo.bitmap());
}

}  // namespace

TEST(LogoGolden, NolOperatorWithNetworkCode) {
    Logo logo = logoWith(LogoType::Operator, {{0, 0}});
    logo.netCode = "244 05";
    const auto golden = bytesOf({0x4E, 0x4F, 0x4C, 0x00, 0x01, 0x00, 0xF4, 0x00, 0x05, 0x00,
                                 0x48, 0x00, 0x0E, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x00},
                                0x31, 1007, 0x30);
    ASSERT_EQ(golden.size(), 1028u);
    expectGolden(logo, LogoFormat::Nol, golden, LogoType::Operator);
    DecodedLogo decoded;
    ASSERT_EQ(decodeLogo(golden, decoded), PE_OK);
    EXPECT_EQ(decoded.netCode, "244 05");
}

TEST(LogoGolden, NggCallerGroup) {
    const Logo logo = logoWith(LogoType::Caller, {{0, 0}});
    const auto golden = bytesOf({0x4E, 0x47, 0x47, 0x00, 0x01, 0x00, 0x48, 0x00, 0x0E, 0x00, 0x01,
                                 0x00, 0x01, 0x00, 0x00, 0x00},
                                0x31, 1007, 0x30);
    ASSERT_EQ(golden.size(), 1024u);
    expectGolden(logo, LogoFormat::Ngg, golden, LogoType::Caller);
}

TEST(LogoGolden, NlmOperatorStartupAndPicture) {
    expectGolden(
        logoWith(LogoType::Operator, {{0, 0}}), LogoFormat::Nlm,
        bytesOf({0x4E, 0x4C, 0x4D, 0x20, 0x01, 0x00, 0x00, 0x48, 0x0E, 0x01}, 0x80, 125, 0x00),
        LogoType::Operator);
    expectGolden(
        logoWith(LogoType::Startup, {{0, 0}}), LogoFormat::Nlm,
        bytesOf({0x4E, 0x4C, 0x4D, 0x20, 0x01, 0x02, 0x00, 0x54, 0x30, 0x01}, 0x80, 527, 0x00),
        LogoType::Startup);
    expectGolden(
        logoWith(LogoType::Picture, {{0, 0}}), LogoFormat::Nlm,
        bytesOf({0x4E, 0x4C, 0x4D, 0x20, 0x01, 0x03, 0x00, 0x48, 0x1C, 0x01}, 0x80, 251, 0x00),
        LogoType::Picture);
}

TEST(LogoGolden, NlmRowsOf84PixelsArePaddedToWholeBytes) {
    const auto bytes = encodeLogo(logoWith(LogoType::Startup, {{83, 9}}), LogoFormat::Nlm);
    ASSERT_EQ(bytes.size(), 538u);
    for (size_t i = 10; i < bytes.size(); ++i) {
        EXPECT_EQ(bytes[i], i == 119 ? 0x10 : 0x00) << "offset " << i;
    }
}

TEST(LogoGolden, NslStartupInBandsOfEightRows) {
    const auto golden = bytesOf(
        {0x46, 0x4F, 0x52, 0x4D, 0x01, 0xFE, 0x4E, 0x53, 0x4C, 0x44, 0x01, 0xF8}, 0x01, 503, 0x00);
    ASSERT_EQ(golden.size(), 516u);
    expectGolden(logoWith(LogoType::Startup, {{0, 0}}), LogoFormat::Nsl, golden, LogoType::Startup);

    auto trap = golden;
    trap[12] = 0x00;
    trap[179] = 0x02;  // data byte 167: band 1, column 83, bit 1 = row 9
    expectGolden(logoWith(LogoType::Startup, {{83, 9}}), LogoFormat::Nsl, trap, LogoType::Startup);
}

TEST(LogoGolden, NslOfEightHundredSixtyFourBytesIsNinetySixBySixtyFive) {
    // nine bands of 96 columns; the last band holds row 64 alone
    const auto file = bytesOf(
        {0x46, 0x4F, 0x52, 0x4D, 0x03, 0x66, 0x4E, 0x53, 0x4C, 0x44, 0x03, 0x60}, 0x00, 863, 0x00);
    auto last = file;
    last.back() = 0x01;  // column 95, row 64
    DecodedLogo d;
    ASSERT_EQ(decodeLogo(last, d), PE_OK);
    EXPECT_EQ(d.bitmap.width, 96);
    ASSERT_EQ(d.bitmap.height, 65);
    EXPECT_TRUE(d.bitmap.at(95, 64));
}

TEST(LogoGolden, OtaBitmapByteCountsWideSidesAndExtensions) {
    // nine pixels take two bytes, the last one padded
    Bitmap small(3, 3);
    small.set(2, 2, true);
    const auto bytes = encodeOtaBitmap(small);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0x00, 3, 3, 0x01, 0x00, 0x80}));
    Bitmap back;
    EXPECT_EQ(decodeOtaBitmap(bytes, back), bytes.size());
    EXPECT_EQ(back, small);
    EXPECT_EQ(decodeOtaBitmap(std::span(bytes).first(bytes.size() - 1), back), 0u);

    // a side over 255 needs the 16-bit sizes
    const auto wide = encodeOtaBitmap(Bitmap(256, 1));
    ASSERT_EQ(wide.size(), 6u + 32u);
    EXPECT_EQ(std::vector<uint8_t>(wide.begin(), wide.begin() + 6),
              (std::vector<uint8_t>{0x10, 0x01, 0x00, 0x00, 0x01, 0x01}));

    // eight extension bytes are passed over, a ninth is refused
    for (const size_t extensions : {8u, 9u}) {
        std::vector<uint8_t> in(extensions, 0x80);
        in.push_back(0x00);
        in.insert(in.end(), bytes.begin() + 1, bytes.end());
        in[0] = 0x80;
        EXPECT_EQ(decodeOtaBitmap(in, back), extensions == 8 ? in.size() : 0u) << extensions;
    }
}

TEST(LogoGolden, OtaBitmapFile) {
    const Logo logo = logoWith(LogoType::Operator, {{0, 0}});
    const auto golden = bytesOf({0x00, 0x48, 0x0E, 0x01}, 0x80, 125, 0x00);
    ASSERT_EQ(golden.size(), 130u);
    expectGolden(logo, LogoFormat::Otb, golden, LogoType::Operator);
    Bitmap bitmap;
    EXPECT_EQ(decodeOtaBitmap(golden, bitmap), 130u);
    EXPECT_EQ(bitmap, logo.bitmap());
}

TEST(LogoGolden, OtaBitmapRunsRowsOnWithoutPadding) {
    // 84 pixels a row: pixel (0,1) is bit 84 of the stream.
    const auto bytes = encodeLogo(logoWith(LogoType::Startup, {{0, 1}}), LogoFormat::Otb);
    ASSERT_EQ(bytes.size(), 4u + 504u);
    EXPECT_EQ(bytes[4 + 10], 0x08);
    for (size_t i = 4; i < bytes.size(); ++i) {
        if (i != 14) {
            EXPECT_EQ(bytes[i], 0x00) << "offset " << i;
        }
    }
}
