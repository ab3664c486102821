// RTTTL text: lenient reading, canonical writing, and round trips of tunes
// written for these tests.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "phoneeng.h"
#include "ringtone/RingToneFiles.h"
#include "ringtone/Rtttl.h"

using namespace phoneeng;

namespace {

std::vector<std::string> textsOf(const RingTone &tone) {
    std::vector<std::string> texts;
    for (const auto &e : tone.entries) {
        texts.push_back(e.text);
    }
    return texts;
}

std::vector<int> stylesOf(const RingTone &tone) {
    std::vector<int> styles;
    for (const auto &e : tone.entries) {
        styles.push_back(static_cast<int>(e.style));
    }
    return styles;
}

RingTone readData(const std::string &name) {
    RingTone tone;
    EXPECT_EQ(readRingToneFile(std::string(GLYPHSMITH_TEST_DATA) + "/ringtones/" + name, tone),
              PE_OK)
        << name;
    return tone;
}

RingTone decoded(const std::string &text) {
    RingTone tone;
    EXPECT_EQ(decodeRtttl(text, tone), PE_OK) << text;
    return tone;
}

}  // namespace

TEST(Rtttl, ReadsDefaultsInAnyOrderAndSpelling) {
    const RingTone scale = readData("scale.txt");
    EXPECT_EQ(scale.name, "Scale");
    EXPECT_EQ(scale.tempo, 120);
    EXPECT_EQ(textsOf(scale),
              (std::vector<std::string>{"4C6", "4D6", "4E6", "4F6", "4G6", "4A6", "4B6", "4C7"}));

    const RingTone odd = readData("odd-spacing.txt");
    EXPECT_EQ(odd.name, "Odd Spacing");
    EXPECT_EQ(odd.tempo, 180);
    EXPECT_EQ(textsOf(odd), (std::vector<std::string>{"4C7", "8D#7", "8E7.", "16F#6.", "8P", "8B7",
                                                      "2A5.", "32G#8"}));

    // No defaults at all: length 4, octave 6, 63 beats per minute.
    const RingTone bare = readData("no-defaults.txt");
    EXPECT_EQ(bare.tempo, 63);
    EXPECT_EQ(textsOf(bare), (std::vector<std::string>{"4C7", "4E7", "4G7"}));
    EXPECT_EQ(textsOf(readData("one-colon.txt")), (std::vector<std::string>{"8C7", "8E7", "8G7"}));
    EXPECT_EQ(textsOf(decoded("X:o=5:a")), std::vector<std::string>{"4A6"});
    EXPECT_EQ(textsOf(decoded("X:b=100,vol=7,x,o=4:a")), std::vector<std::string>{"4A5"});
}

TEST(Rtttl, ReadsDotsSharpsAndTheEdgesOfTheScale) {
    const RingTone dots = readData("dots-before.txt");  // with a byte-order mark and CRLF
    EXPECT_EQ(dots.name, "Dots");
    EXPECT_EQ(textsOf(dots), (std::vector<std::string>{"4C7.", "8E6.", "4G6.", "2P."}));

    // e# is f; b# and h# are the next c; a8 is the table's A9.
    EXPECT_EQ(textsOf(readData("edge-notes.txt")),
              (std::vector<std::string>{"4F6", "4C7", "4C7", "8B5", "4C#9", "4A9"}));
}

TEST(Rtttl, StylesLoopsAndMidSongSettings) {
    const RingTone styles = readData("styles.txt");
    EXPECT_EQ(styles.initialStyle, RingToneStyle::Staccato);
    EXPECT_EQ(styles.loop, 2);
    EXPECT_EQ(textsOf(styles), (std::vector<std::string>{"8C6", "8E6", "8G6", "SN", "8C7", "8E7",
                                                         "SC", "8G7", "SS", "2C8"}));
    EXPECT_EQ(stylesOf(styles), (std::vector<int>{2, 2, 2, 0, 0, 0, 1, 1, 2, 2}));

    // A tempo between notes only counts before the first one.
    const RingTone shifts = readData("mid-song.txt");
    EXPECT_EQ(shifts.tempo, 90);
    EXPECT_EQ(shifts.loop, 15);
    EXPECT_EQ(textsOf(shifts), (std::vector<std::string>{"4C6", "4C7", "4C5", "8E5", "8F5"}));
    EXPECT_EQ(decoded("X:d=4:b=200,c").tempo, 200);
    EXPECT_EQ(decoded("X:d=4:b200,c").tempo, 200);
}

TEST(Rtttl, RefusesDamagedText) {
    const char *bad[] = {
        "",
        "no colon at all",
        "a:b:c:d",
        "A name of twenty-one!:d=4:c",
        "X:d=3,o=5,b=63:c",
        "X:d=4,o=5,b=10:c",
        "X:d=4,o=5,b=901:c",
        "X:d=4,o=0,b=63:c",
        "X:d=4,o=x,b=63:c",
        "X:d=4,o=5,b=63:64c",
        "X:d=4,o=5,b=63:c..",
        "X:d=4,o=5,b=63:q",
        "X:d=4,o=5,b=63:c6x",
        "X:d=4,o=5,b=63:a9",
        "X:d=4,o=5,b=63:sx",
        "X:d=4,o=5,s=q:c",
        "X:d=4,o=5,l=16:c",
        "X:d=4,o=5,b=63:c,zz=1",
        "Tab\there:d=4:c",
    };
    for (const char *text : bad) {
        RingTone tone;
        tone.name = "kept";
        EXPECT_EQ(decodeRtttl(text, tone), PE_FILE_FORMAT) << text;
        EXPECT_EQ(tone.name, "kept");
    }
    RingTone tone;
    EXPECT_EQ(decodeRtttl(std::string_view("X:d=4:c\0,d", 10), tone), PE_FILE_FORMAT);
    std::string tooLong = "Long:d=4,o=5,b=63:";
    for (int i = 0; i < 256; ++i) {
        tooLong += "c,";
    }
    EXPECT_EQ(decodeRtttl(tooLong, tone), PE_FILE_FORMAT);
    tooLong.resize(tooLong.size() - 2);  // 255 notes fit
    EXPECT_EQ(decodeRtttl(tooLong, tone), PE_OK);
    EXPECT_EQ(tone.entries.size(), 255u);
}

TEST(Rtttl, WritesCanonicallyWithTheCommonestLengthAndOctave) {
    RingTone tone = decoded("Tune:d=4,o=5,b=125:8c6,8e6,8g6,4c7,p,8a#5.,ss,16h5");
    EXPECT_EQ(encodeRtttl(tone), "Tune:d=8,o=6,b=125:c,e,g,4c7,4p,a#5.,ss,16b5");
    tone.initialStyle = RingToneStyle::Continuous;
    tone.loop = 15;
    EXPECT_EQ(encodeRtttl(tone).substr(0, 30), "Tune:d=8,o=6,b=125,s=c,l=15:c,");
    EXPECT_EQ(encodeRtttl(RingTone{}), ":d=4,o=5,b=63:");
}

TEST(Rtttl, EveryTestTuneSurvivesWritingAndReadingBack) {
    for (const char *name :
         {"scale.txt", "odd-spacing.txt", "styles.txt", "no-defaults.txt", "one-colon.txt",
          "mid-song.txt", "dots-before.txt", "edge-notes.txt"}) {
        const RingTone tone = readData(name);
        RingTone back;
        ASSERT_EQ(decodeRtttl(encodeRtttl(tone), back), PE_OK) << name;
        EXPECT_EQ(back, tone) << name << ": " << encodeRtttl(tone);
    }
    // Extreme octaves and every length.
    const RingTone edges = decoded("Edges:d=1,o=1,b=900:c,2g#9,4b,8p.,16c#,32a1.,sc,c");
    EXPECT_EQ(edges.entries.front().text, "1C2");
    RingTone back;
    ASSERT_EQ(decodeRtttl(encodeRtttl(edges), back), PE_OK);
    EXPECT_EQ(back, edges);
}

TEST(Rtttl, MutatedTextNeverBreaksTheReader) {
    std::mt19937 rng(5);
    const std::string valid =
        "Fuzzy Tune:d=8,o=5,b=140,s=c,l=3:c,d#.,16e6,32f#7,p.,2g4,1a,h,sn,c7,o=6,b,ss,16c#4";
    const std::string alphabet = "0123456789abcdefghpsolABCH#.,:= \t\r\n\x01\xff";
    for (int i = 0; i < 5000; ++i) {
        std::string text = valid;
        for (int e = 0; e < 1 + static_cast<int>(rng() % 4); ++e) {
            const size_t at = rng() % text.size();
            const char c = alphabet[rng() % alphabet.size()];
            switch (rng() % 3) {
                case 0:
                    text[at] = c;
                    break;
                case 1:
                    text.insert(text.begin() + static_cast<long>(at), c);
                    break;
                default:
                    text.erase(at, 1 + rng() % 3);
                    break;
            }
            if (text.empty()) {
                text = ":";
            }
        }
        RingTone tone;
        const int16_t rc = decodeRtttl(text, tone);
        ASSERT_TRUE(rc == PE_OK || rc == PE_FILE_FORMAT);
        if (rc == PE_OK) {
            EXPECT_LE(tone.entries.size(), RingTone::kMaxEntries);
            EXPECT_LE(tone.name.size(), RingTone::kMaxName);
            RingTone back;
            ASSERT_EQ(decodeRtttl(encodeRtttl(tone), back), PE_OK) << text;
            EXPECT_EQ(back, tone) << text;
        }
    }
}
