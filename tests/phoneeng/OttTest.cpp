// The ring tone binary (.ott and the smart-message payload).
#include <gtest/gtest.h>

#include <random>

#include "phoneeng.h"
#include "ringtone/BitWriter.h"
#include "ringtone/RingToneBinary.h"
#include "ringtone/RingToneFiles.h"
#include "ringtone/Rtttl.h"

using namespace phoneeng;

namespace {

const std::vector<uint8_t> kGoldenContinuous = {0x02, 0x4A, 0x3A, 0x51, 0x51, 0x95, 0xCD, 0xD0,
                                                0x04, 0x00, 0x08, 0xD8, 0x84, 0x9A, 0x40, 0x00};

RingTone fromRtttl(const std::string &text) {
    RingTone tone;
    EXPECT_EQ(decodeRtttl(text, tone), PE_OK) << text;
    return tone;
}

// A hand-built stream: programming, sound, basic song named "T", then the
// pattern fields and instructions given.
std::vector<uint8_t> stream(const std::vector<std::pair<uint32_t, int>> &fields,
                            bool unicode = false) {
    BitWriter w;
    w.put(unicode ? 3 : 2, 8);
    w.put(0b0100101, 7);
    w.align();
    if (unicode) {
        w.put(0b0100010, 7);
        w.align();
    }
    w.put(0b0011101, 7);
    w.put(1, 3);
    w.put(1, 4);
    w.put('T', unicode ? 16 : 8);
    for (auto [v, bits] : fields) {
        w.put(v, bits);
    }
    w.align();
    w.put(0, 8);
    return w.bytes();
}

}  // namespace

TEST(Ott, GoldenExampleInBothStyles) {
    RingTone tone = fromRtttl("Test:d=4,o=5,b=63:a");
    tone.initialStyle = RingToneStyle::Continuous;
    reapplyStyles(tone);
    EXPECT_EQ(encodeRingToneBinary(tone), kGoldenContinuous);

    RingTone natural = tone;
    natural.initialStyle = RingToneStyle::Natural;
    reapplyStyles(natural);
    auto golden = kGoldenContinuous;
    golden[11] = 0xC8;
    EXPECT_EQ(encodeRingToneBinary(natural), golden);

    RingTone back;
    ASSERT_EQ(decodeRingToneBinary(kGoldenContinuous, back), PE_OK);
    EXPECT_EQ(back, tone);

    // The file in the test data is the same example.
    RingTone file;
    ASSERT_EQ(readRingToneFile(std::string(GLYPHSMITH_TEST_DATA) + "/ringtones/test-continuous.ott",
                               file),
              PE_OK);
    EXPECT_EQ(file, tone);
}

TEST(Ott, RoundTripsStylesScalesPausesAndLengths) {
    RingTone tone = fromRtttl(
        "Round Trip:d=8,o=5,b=140,s=s,l=15:c,d#.,16e6,32f#7,p.,2g4,1a,h,sn,c7,sc,4p,ss,16c#4");
    RingTone back;
    ASSERT_EQ(decodeRingToneBinary(encodeRingToneBinary(tone), back), PE_OK);
    EXPECT_EQ(back, tone);

    // Tempos fall on the table's first value at or above them.
    tone.tempo = 64;
    ASSERT_EQ(decodeRingToneBinary(encodeRingToneBinary(tone), back), PE_OK);
    EXPECT_EQ(back.tempo, 70);
    tone.tempo = 900;
    ASSERT_EQ(decodeRingToneBinary(encodeRingToneBinary(tone), back), PE_OK);
    EXPECT_EQ(back.tempo, 900);

    // The name is cut to the binary's 15 characters.
    tone.name = "Twenty Characters Ok";
    ASSERT_EQ(decodeRingToneBinary(encodeRingToneBinary(tone), back), PE_OK);
    EXPECT_EQ(back.name, "Twenty Characte");
}

TEST(Ott, CannotHoldOctavesOutsideItsFourScalesOrTooManyInstructions) {
    EXPECT_TRUE(encodeRingToneBinary(fromRtttl("X:d=4,o=3,b=63:c")).empty());
    EXPECT_TRUE(encodeRingToneBinary(fromRtttl("X:d=4,o=8,b=63:c")).empty());
    EXPECT_FALSE(encodeRingToneBinary(fromRtttl("X:d=4,o=4,b=63:c,h7")).empty());
    // 255 entries alternating between two scales need more than 255
    // instructions.
    std::string text = "X:d=4,o=5,b=63:";
    for (int i = 0; i < 255; ++i) {
        text += i % 2 ? "c5," : "c6,";
    }
    EXPECT_TRUE(encodeRingToneBinary(fromRtttl(text)).empty());
}

TEST(Ott, ReadsTheVariantsOfOtherWriters) {
    // Unicode name, two patterns, volume and a second tempo (ignored), a
    // double-dotted and a 2/3 note, no scale instruction (880 Hz).
    const auto bytes = stream(
        {
            {1, 8},  // patterns
            {0, 3},
            {0, 2},
            {0, 4},
            {3, 8},  // pattern A, 3 instructions
            {0b100, 3},
            {12, 5},  // tempo 100
            {0b101, 3},
            {7, 4},  // volume
            {0b001, 3},
            {10, 4},
            {2, 3},
            {2, 2},  // 4A double dotted
        },
        true);
    RingTone tone;
    ASSERT_EQ(decodeRingToneBinary(bytes, tone), PE_OK);
    EXPECT_EQ(tone.name, "T");
    EXPECT_EQ(tone.tempo, 100);
    ASSERT_EQ(tone.entries.size(), 1u);
    EXPECT_EQ(tone.entries[0].text, "4A6.");

    const auto two = stream({
        {2, 8},     {0, 3}, {0, 2}, {15, 4}, {2, 8},     {0b001, 3},
        {1, 4},     {3, 3}, {3, 2},                                // 8C, 2/3 length: plain
        {0b100, 3}, {0, 5},                                        // tempo 25
        {0, 3},     {1, 2}, {0, 4}, {2, 8},  {0b100, 3}, {31, 5},  // a later tempo: ignored
        {0b001, 3}, {0, 4}, {5, 3}, {0, 2},                        // 32P
    });
    ASSERT_EQ(decodeRingToneBinary(two, tone), PE_OK);
    EXPECT_EQ(tone.loop, 15);
    EXPECT_EQ(tone.tempo, 25);
    EXPECT_EQ(tone.entries.size(), 2u);
    EXPECT_EQ(tone.entries[0].text, "8C6");
    EXPECT_EQ(tone.entries[1].text, "32P");

    // The command end may be missing.
    std::vector<uint8_t> noEnd(kGoldenContinuous.begin(), kGoldenContinuous.end() - 1);
    EXPECT_EQ(decodeRingToneBinary(noEnd, tone), PE_OK);
}

TEST(Ott, RefusesDamagedStreamsAndLeavesTheToneAlone) {
    const std::vector<std::vector<uint8_t>> bad = {
        {},
        {0x00},
        stream({{1, 8}, {0, 3}, {0, 2}, {0, 4}, {1, 8}, {0b001, 3}, {13, 4}, {2, 3}, {0, 2}}),
        stream({{1, 8}, {0, 3}, {0, 2}, {0, 4}, {1, 8}, {0b001, 3}, {1, 4}, {6, 3}, {0, 2}}),
        stream({{1, 8}, {0, 3}, {0, 2}, {0, 4}, {1, 8}, {0b011, 3}, {3, 2}}),
        stream({{1, 8}, {0, 3}, {0, 2}, {0, 4}, {1, 8}, {0b111, 3}, {0, 8}}),
        stream({{1, 8}, {4, 3}, {0, 2}, {0, 4}, {0, 8}}),
        stream({{1, 8}, {0, 3}, {0, 2}, {0, 4}, {9, 8}}),  // 9 instructions, none there
    };
    for (size_t i = 0; i < bad.size(); ++i) {
        RingTone tone;
        tone.name = "kept";
        EXPECT_EQ(decodeRingToneBinary(bad[i], tone), PE_FILE_FORMAT) << i;
        EXPECT_EQ(tone.name, "kept");
    }
    // Every cut of the example before its last instruction is refused.
    for (size_t n = 0; n < 14; ++n) {
        RingTone tone;
        EXPECT_EQ(decodeRingToneBinary(std::span(kGoldenContinuous).first(n), tone), PE_FILE_FORMAT)
            << n;
    }
    // More than 255 notes.
    std::vector<std::pair<uint32_t, int>> many = {{2, 8}};
    for (int p = 0; p < 2; ++p) {
        many.insert(many.end(), {{0, 3}, {0, 2}, {0, 4}, {128, 8}});
        for (int i = 0; i < 128; ++i) {
            many.insert(many.end(), {{0b001, 3}, {1, 4}, {2, 3}, {0, 2}});
        }
    }
    RingTone tone;
    EXPECT_EQ(decodeRingToneBinary(stream(many), tone), PE_FILE_FORMAT);
}

TEST(Ott, MutatedStreamsNeverBreakTheReader) {
    std::mt19937 rng(7);
    const auto valid = encodeRingToneBinary(
        fromRtttl("Fuzz:d=8,o=5,b=100:c,d,e,f,g,a,h,c6,sc,p,16c#7,ss,2d#4,32e.,4f6,g.,a#,h"));
    for (int i = 0; i < 5000; ++i) {
        auto bytes = valid;
        for (int e = 0; e < 1 + static_cast<int>(rng() % 3); ++e) {
            const size_t at = rng() % bytes.size();
            if (rng() % 5 == 0) {
                bytes.resize(at);
                if (bytes.empty()) {
                    break;
                }
            } else {
                bytes[at] ^= static_cast<uint8_t>(1u << (rng() % 8));
            }
        }
        RingTone tone;
        const int16_t rc = decodeRingToneBinary(bytes, tone);
        ASSERT_TRUE(rc == PE_OK || rc == PE_FILE_FORMAT);
        if (rc == PE_OK) {
            EXPECT_LE(tone.entries.size(), RingTone::kMaxEntries);
            EXPECT_LE(tone.name.size(), 15u);
            EXPECT_TRUE(isRingToneTempo(tone.tempo));
            // Whatever was read can be written as text and read back.
            RingTone back;
            ASSERT_EQ(decodeRtttl(encodeRtttl(tone), back), PE_OK) << encodeRtttl(tone);
            EXPECT_EQ(back, tone);
        }
    }
}
