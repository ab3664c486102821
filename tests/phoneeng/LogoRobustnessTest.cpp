// Damaged, truncated, absurd and random inputs: every reader answers with a
// code, never reads out of bounds (the sanitizer build runs these too), and
// a failed read changes nothing.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "LogoTestSupport.h"
#include "TestHome.h"
#include "logo/LogoCodec.h"
#include "logo/LogoFiles.h"
#include "logo/OtaBitmap.h"
#include "phoneeng.h"

using namespace phoneeng;
using logotest::kAllTypes;
using logotest::randomLogo;

namespace {

std::vector<std::vector<uint8_t>> validFiles() {
    std::vector<std::vector<uint8_t>> files;
    for (LogoType type : kAllTypes) {
        const Logo logo = randomLogo(type, 100 + static_cast<unsigned>(type));
        for (LogoFormat f : {LogoFormat::Nol, LogoFormat::Ngg, LogoFormat::Nsl, LogoFormat::Nlm,
                             LogoFormat::Bmp, LogoFormat::Otb}) {
            files.push_back(encodeLogo(logo, f));
        }
    }
    return files;
}

void expectSane(const DecodedLogo &d) {
    EXPECT_GE(d.bitmap.width, 1);
    EXPECT_GE(d.bitmap.height, 1);
    EXPECT_LE(d.bitmap.width, kMaxLogoFileSide);
    EXPECT_LE(d.bitmap.height, kMaxLogoFileSide);
    EXPECT_EQ(d.bitmap.pixels.size(), static_cast<size_t>(d.bitmap.width) * d.bitmap.height);
}

}  // namespace

TEST(LogoRobustness, EveryTruncationOfAValidFileIsRefused) {
    for (const auto &file : validFiles()) {
        for (size_t n = 0; n < file.size(); ++n) {
            DecodedLogo d;
            const std::vector<uint8_t> cut(file.begin(), file.begin() + n);
            ASSERT_EQ(decodeLogo(cut, d), PE_FILE_FORMAT)
                << "prefix " << n << " of " << file.size() << " starting " << int(file[0]);
        }
    }
}

TEST(LogoRobustness, AbsurdSizesAreRefusedWithoutTryingThem) {
    std::vector<uint8_t> nol = encodeLogo(randomLogo(LogoType::Operator, 1), LogoFormat::Nol);
    for (auto [w, h] : {std::pair{0, 14}, {72, 0}, {0xFFFF, 0xFFFF}, {256, 14}, {72, 256}}) {
        auto bad = nol;
        bad[10] = static_cast<uint8_t>(w & 0xFF);
        bad[11] = static_cast<uint8_t>(w >> 8);
        bad[12] = static_cast<uint8_t>(h & 0xFF);
        bad[13] = static_cast<uint8_t>(h >> 8);
        DecodedLogo d;
        EXPECT_EQ(decodeLogo(bad, d), PE_FILE_FORMAT) << w << "x" << h;
    }
    // A pixel character that is neither '0' nor '1'.
    nol[500] = '2';
    DecodedLogo d;
    EXPECT_EQ(decodeLogo(nol, d), PE_FILE_FORMAT);

    auto bmp = encodeLogo(randomLogo(LogoType::Operator, 2), LogoFormat::Bmp);
    for (uint32_t w : {0u, 256u, 0x7FFFFFFFu, 0x80000000u}) {
        auto bad = bmp;
        std::memcpy(&bad[18], &w, 4);
        EXPECT_EQ(decodeLogo(bad, d), PE_FILE_FORMAT) << w;
    }
    auto deep = bmp;
    deep[28] = 8;  // 8 bits per pixel
    EXPECT_EQ(decodeLogo(deep, d), PE_FILE_FORMAT);
    auto packed = bmp;
    packed[30] = 1;  // run-length compressed
    EXPECT_EQ(decodeLogo(packed, d), PE_FILE_FORMAT);

    auto nlm = encodeLogo(randomLogo(LogoType::Operator, 3), LogoFormat::Nlm);
    nlm[5] = 4;  // no such type
    EXPECT_EQ(decodeLogo(nlm, d), PE_FILE_FORMAT);

    auto nsl = encodeLogo(randomLogo(LogoType::Startup, 4), LogoFormat::Nsl);
    nsl[11] = 0xF9;  // NSLD of 505 bytes: no known size
    nsl.push_back(0);
    nsl[5] = 0xFF;
    EXPECT_EQ(decodeLogo(nsl, d), PE_FILE_FORMAT);

    const std::vector<uint8_t> deepOta = {0x00, 72, 14, 0x02, 0x00};
    EXPECT_EQ(decodeLogo(deepOta, d), PE_FILE_FORMAT);
    const std::vector<uint8_t> endlessExtensions(64, 0x80);
    EXPECT_EQ(decodeLogo(endlessExtensions, d), PE_FILE_FORMAT);
    Bitmap b;
    EXPECT_EQ(decodeOtaBitmap(endlessExtensions, b), 0u);
}

TEST(LogoRobustness, GarbageIsRefusedOrReadSanely) {
    std::mt19937 rng(1234);
    for (int i = 0; i < 2000; ++i) {
        std::vector<uint8_t> junk(rng() % 700);
        for (auto &b : junk) {
            b = static_cast<uint8_t>(rng());
        }
        DecodedLogo d;
        if (decodeLogo(junk, d) == PE_OK) {
            expectSane(d);
        }
    }
}

TEST(LogoRobustness, MutatedValidFilesNeverBreakTheReader) {
    std::mt19937 rng(99);
    const auto files = validFiles();
    for (int i = 0; i < 6000; ++i) {
        auto file = files[rng() % files.size()];
        const int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits; ++e) {
            const size_t at = rng() % file.size();
            switch (rng() % 4) {
                case 0:
                    file[at] = static_cast<uint8_t>(rng());
                    break;
                case 1:
                    file[at] ^= static_cast<uint8_t>(1u << (rng() % 8));
                    break;
                case 2:
                    file.resize(at + 1);
                    break;
                default:
                    file.insert(file.begin() + at, static_cast<uint8_t>(rng()));
                    break;
            }
        }
        DecodedLogo d;
        const int16_t rc = decodeLogo(file, d);
        ASSERT_TRUE(rc == PE_OK || rc == PE_FILE_FORMAT) << rc;
        if (rc == PE_OK) {
            expectSane(d);
            Logo logo;
            applyDecodedLogo(d, logo);
            EXPECT_NE(logo.type(), LogoType::None);
        }
    }
}

TEST(LogoRobustness, FailedFileReadsLeaveTheLogoAsItWas) {
    TestHome dir;
    Logo logo = randomLogo(LogoType::Picture, 5);
    logo.netCode = "244 05";
    logo.groupNumber = 3;
    logo.groupName = "Friends";
    logo.message = u"Hi";
    const Logo before = logo;

    auto nol = encodeLogo(randomLogo(LogoType::Operator, 6), LogoFormat::Nol);
    const std::vector<uint8_t> truncated(nol.begin(), nol.begin() + 900);
    const std::vector<std::string> paths = {
        dir.file("missing.nol"),
        dir.path(),
        dir.write("empty.nol", std::vector<uint8_t>{}),
        dir.write("garbage.nlm", std::string("this is no logo at all")),
        dir.write("truncated.nol", truncated),
        dir.write("huge.nsl", std::vector<uint8_t>(kMaxLogoFileBytes + 1, '0')),
    };
    const int16_t expected[] = {PE_FILE_OPEN,   PE_FILE_OPEN,   PE_FILE_FORMAT,
                                PE_FILE_FORMAT, PE_FILE_FORMAT, PE_FILE_FORMAT};
    for (size_t i = 0; i < paths.size(); ++i) {
        EXPECT_EQ(readLogoFile(paths[i], logo), expected[i]) << paths[i];
        EXPECT_EQ(logo, before) << paths[i];
    }
}
