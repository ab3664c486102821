#include <gtest/gtest.h>

#include "RingTonePlayer.h"

using velkor17::RingTonePlayer;

namespace {

struct Duration {
    const char *text;
    qint32 tempo;
    qint32 ms;
    qint32 start;
};

TEST(NoteDuration, FromTempoDenominatorDotAndStart) {
    // In order: length from tempo and denominator (no digits: a quarter note;
    // 37.5 rounds to even 38); a dotted note is half again as long, lower case
    // is read; halves round to even (2.5, 1.5, dotted 4.5, dotted 7.5); the
    // token ends at the first comma (a dot after it does not count) and starts
    // at `start` (before the text counts as 1; past its end: empty); notes that
    // are not notes have no length; impossible lengths give zero instead of
    // failing (a product past 32 bits, 0.11 ms that rounds to nothing).
    const Duration cases[] = {
        {"4C2", 120, 500, 1},      {"8A5", 120, 250, 1},      {"1P", 60, 4000, 1},
        {"C2", 120, 500, 1},       {"32G#7", 200, 38, 1},     {"8A5.", 120, 375, 1},
        {"8.A5", 120, 375, 1},     {"4P.", 120, 750, 1},      {"8a5.", 120, 375, 1},
        {"4p", 120, 500, 1},       {"256C5", 375, 2, 1},      {"64C5", 2500, 2, 1},
        {"128C5.", 625, 4, 1},     {"16C5.", 3000, 8, 1},     {"8A5,4C6", 120, 250, 1},
        {"8A5,4C6.", 120, 250, 1}, {"8A5,4C6.", 120, 750, 5}, {"xx16C5", 120, 125, 3},
        {"4C2", 120, 500, 0},      {"4C2", 120, 0, 10},       {"", 120, 0, 1},
        {"S", 120, 0, 1},          {"sn", 120, 0, 1},         {"ss", 120, 0, 1},
        {",4C2", 120, 0, 1},       {"4C2", 0, 0, 1},          {"0C2", 120, 0, 1},
        {"4C2", -120, 0, 1},       {"64C2", 32767, 0, 1}};
    for (const Duration &d : cases) {
        EXPECT_EQ(RingTonePlayer::NoteDuration(d.text, d.start, 4, d.tempo), d.ms)
            << d.text << " at " << d.tempo << " from " << d.start;
    }
    EXPECT_EQ(RingTonePlayer::NoteDuration("99999999999999999999C2", 1, 4, 120), 0);
    EXPECT_EQ(RingTonePlayer::NoteDuration("2000000000C2", 1, 4, 120), 0);
    EXPECT_EQ(RingTonePlayer::NoteDuration("C2", 1, 8, 120), 250);  // the default denominator
}

}  // namespace
