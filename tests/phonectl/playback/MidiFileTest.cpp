// Standard MIDI Files of ring tones: the notes as the player walks them,
// and the reader on files of its own and of other writers.
#include <gtest/gtest.h>

#include "ListRingTone.h"
#include "MidiFile.h"
#include "RingTonePlayer.h"

using namespace velkor17;
using velkor17::test::ListRingTone;
using Span = MidiFile::Span;

TEST(MidiFile, RingToneBecomesSpansAsThePlayerWalksIt) {
    // Natural style: a sixteenth of the length is silence. "S" entries,
    // unknown names and G#10 (MIDI 128) take no time; "P" is silence.
    ListRingTone tone({"4A5", "SS", "8P", "16H5.", "X7", "G#10", "2C2"}, 90);
    tone.setStyle(6, RingTonePlayer::kStaccato);
    const MidiFile::Song song = MidiFile::fromRingTone(tone, "Tune");
    EXPECT_EQ(song.microsPerQuarter, 666667);
    const std::vector<Span> expected = {{69, 450}, {-1, 30 + 240}, {71, 169},
                                        {-1, 11},  {24, 320},      {-1, 640}};
    EXPECT_EQ(song.spans, expected);

    const auto back = MidiFile::decode(MidiFile::encode(song));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->spans, expected);
    EXPECT_EQ(back->microsPerQuarter, song.microsPerQuarter);
    EXPECT_EQ(back->ticksPerQuarter, MidiFile::kTicksPerQuarter);
    EXPECT_EQ(back->name, "Tune");
}

TEST(MidiFile, EveryImageCutShortIsRefused) {
    ListRingTone tone({"4A5", "8C6", "8P", "4E6"}, 120);
    const QByteArray image = MidiFile::encode(MidiFile::fromRingTone(tone, "Cut"));
    for (qsizetype n = 0; n < image.size(); ++n) {
        QString error;
        EXPECT_FALSE(MidiFile::decode(image.left(n), &error)) << n;
        EXPECT_FALSE(error.isEmpty()) << n;
    }
}

TEST(MidiFile, ReadsOtherWritersRunningStatusTracksAndSilentNoteOns) {
    // Format 1, 96 ticks per quarter: a tempo track, then a note track with
    // running status and a note-on of velocity 0 as its note-off.
    const QByteArray image = QByteArray::fromHex(
        "4d546864000000060001000200604d54726b0000000b00ff510307a12000ff2f00"
        "4d54726b00000014"
        "00c000"
        "0090453f"
        "6045"
        "00"
        "304840"
        "6048"
        "00"
        "00ff2f00");
    const auto song = MidiFile::decode(image);
    ASSERT_TRUE(song);
    EXPECT_EQ(song->microsPerQuarter, 500000);
    EXPECT_EQ(song->ticksPerQuarter, 96);
    const std::vector<Span> expected = {{69, 96}, {-1, 48}, {72, 96}};
    EXPECT_EQ(song->spans, expected);
}
