#include <gtest/gtest.h>

#include "RingTonePlayer.h"

using velkor17::RingTonePlayer;

namespace {
qint32 duration(const QString &text, qint32 tempo, qint32 start = 1) {
    return RingTonePlayer::NoteDuration(text, start, 4, tempo);
}
}  // namespace

TEST(NoteDuration, LengthFromTempoAndDenominator) {
    EXPECT_EQ(duration("4C2", 120), 500);
    EXPECT_EQ(duration("8A5", 120), 250);
    EXPECT_EQ(duration("1P", 60), 4000);
    EXPECT_EQ(duration("32G#7", 200), 38);  // 37.5 rounds to even 38
    EXPECT_EQ(duration("C2", 120), 500);    // no digits: quarter note
    EXPECT_EQ(RingTonePlayer::NoteDuration("C2", 1, 8, 120), 250);
}

TEST(NoteDuration, DottedNoteIsHalfAgainAsLong) {
    EXPECT_EQ(duration("8A5.", 120), 375);
    EXPECT_EQ(duration("8.A5", 120), 375);
    EXPECT_EQ(duration("4P.", 120), 750);
}

TEST(NoteDuration, RoundsHalfToEven) {
    // 240000 / 96000 = 2.5 -> 2; 240000 / 160000 = 1.5 -> 2.
    EXPECT_EQ(duration("256C5", 375), 2);
    EXPECT_EQ(duration("64C5", 2500), 2);
    // 240000 / 80000 = 3, dotted 4.5 -> 4; 240000 / 48000 = 5, dotted 7.5 -> 8.
    EXPECT_EQ(duration("128C5.", 625), 4);
    EXPECT_EQ(duration("16C5.", 3000), 8);
}

TEST(NoteDuration, TokenEndsAtTheFirstCommaAndStartsAtStart) {
    EXPECT_EQ(duration("8A5,4C6", 120), 250);
    EXPECT_EQ(duration("8A5,4C6.", 120), 250);  // the dot after the comma does not count
    EXPECT_EQ(duration("8A5,4C6.", 120, 5), 750);
    EXPECT_EQ(duration("xx16C5", 120, 3), 125);
    EXPECT_EQ(duration("4C2", 120, 0), 500);  // a start before the text counts as 1
    EXPECT_EQ(duration("4C2", 120, 10), 0);   // past the end: empty
}

TEST(NoteDuration, NotesThatAreNotNotesHaveNoLength) {
    EXPECT_EQ(duration("", 120), 0);
    EXPECT_EQ(duration("S", 120), 0);
    EXPECT_EQ(duration("sn", 120), 0);
    EXPECT_EQ(duration("ss", 120), 0);
    EXPECT_EQ(duration(",4C2", 120), 0);
}

TEST(NoteDuration, LowerCaseTextIsRead) {
    EXPECT_EQ(duration("8a5.", 120), 375);
    EXPECT_EQ(duration("4p", 120), 500);
}

TEST(NoteDuration, ImpossibleLengthsGiveZeroInsteadOfFailing) {
    EXPECT_EQ(duration("4C2", 0), 0);
    EXPECT_EQ(duration("0C2", 120), 0);
    EXPECT_EQ(duration("4C2", -120), 0);
    EXPECT_EQ(duration("99999999999999999999C2", 120), 0);
    EXPECT_EQ(duration("2000000000C2", 120), 0);  // product past 32 bits
    EXPECT_EQ(duration("64C2", 32767), 0);        // 0.11 ms rounds to nothing
}
