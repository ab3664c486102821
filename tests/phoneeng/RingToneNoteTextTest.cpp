// The call set's note texts: what the player can play is taken (in its
// canonical form), anything else refused.
#include <gtest/gtest.h>

#include "ringtone/NoteText.h"

using namespace phoneeng;

TEST(RingToneNoteText, AcceptsPlayableSpellingsInCanonicalForm) {
    const std::pair<const char *, const char *> cases[] = {
        {"4C6", "4C6"},     {"8A#5.", "8A#5."}, {"16P", "16P"},   {"c6", "4C6"},
        {"8a#5.", "8A#5."}, {"4H5", "4B5"},     {"4C.6", "4C6."}, {" 8D6 ", "8D6"},
        {"04E5", "4E5"},    {"P", "4P"},        {"p.", "4P."},    {"4P5", "4P"},
        {"C2", "4C2"},      {"1G#10", "1G#10"}, {"32B9", "32B9"}, {"2h#4", ""},
    };
    for (auto [in, want] : cases) {
        const auto got = canonicalEntryText(in);
        if (*want) {
            ASSERT_TRUE(got) << in;
            EXPECT_EQ(*got, want) << in;
        } else {
            EXPECT_FALSE(got) << in;
        }
    }
}

TEST(RingToneNoteText, RefusesWhatThePlayerCannotPlay) {
    for (const char *bad : {"",      " ",     "4",      "3C6",  "64C6", "0C6",  "4C",    "4X6",
                            "4B1",   "4A10",  "4B10",   "4C11", "4E#5", "4Cb5", "4C6..", "4C.6.",
                            "4C6,8", "4C6 x", "1000C6", "4C#",  "4PP",  "S",    "SX",    "4P#"}) {
        EXPECT_FALSE(canonicalEntryText(bad)) << '"' << bad << '"';
    }
}

TEST(RingToneNoteText, StyleChangesAndTheTableEdges) {
    EXPECT_EQ(canonicalEntryText("ss"), "SS");
    EXPECT_EQ(canonicalEntryText(" Sn "), "SN");
    EXPECT_EQ(canonicalEntryText("s=c"), "SC");
    EXPECT_EQ(parseStyleText("SS"), RingToneStyle::Staccato);
    EXPECT_EQ(styleText(RingToneStyle::Continuous), "SC");

    EXPECT_TRUE(isInNoteTable(0, 2));    // C2
    EXPECT_TRUE(isInNoteTable(8, 10));   // G#10
    EXPECT_FALSE(isInNoteTable(9, 10));  // A10
    EXPECT_FALSE(isInNoteTable(11, 1));  // B1

    const Note n = *parseNoteText("16F#6.");
    EXPECT_EQ(n.denominator, 16);
    EXPECT_EQ(n.semitone, 6);
    EXPECT_EQ(n.octave, 6);
    EXPECT_TRUE(n.dotted);
    EXPECT_EQ(noteText(n), "16F#6.");
}
