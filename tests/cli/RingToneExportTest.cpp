// Ring tones written as MIDI and WAV: the notes, tempo and length they
// hold, and that a WAV file is not silent.
#include <gtest/gtest.h>

#include <algorithm>

#include "CliRunner.h"
#include "MidiFile.h"
#include "WavFile.h"

using namespace glyphsmith::test;
using velkor17::MidiFile;
using velkor17::WavFile;

TEST(RingToneExportTest, MidiAndWavHoldTheTune) {
    CliHome home;
    // 120 beats a minute: 500 + 250 + 250 + 1000 ms = 2 s
    home.write("tune.txt", "Tune:d=4,o=5,b=120:c,8e,8p,2g");
    ASSERT_EQ(home.run({"convert", "tune.txt", "tune.mid"}).code, 0);
    ASSERT_EQ(home.run({"convert", "tune.txt", "up.midi", "--transpose", "3"}).code, 0);
    const auto song = MidiFile::decode(home.read("tune.mid"));
    const auto up = MidiFile::decode(home.read("up.midi"));
    ASSERT_TRUE(song && up);
    EXPECT_EQ(song->microsPerQuarter, 500000);
    EXPECT_EQ(song->name, "Tune");
    std::vector<int> keys, upKeys;
    qint64 ticks = 0;
    for (const MidiFile::Span &s : song->spans) {
        ticks += s.ticks;
        if (s.key >= 0) {
            keys.push_back(s.key);
        }
    }
    for (const MidiFile::Span &s : up->spans) {
        if (s.key >= 0) {
            upKeys.push_back(s.key - 3);
        }
    }
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[1] - keys[0], 4);  // C E G
    EXPECT_EQ(keys[2] - keys[0], 7);
    EXPECT_EQ(upKeys, keys);
    EXPECT_EQ(ticks, 4 * MidiFile::kTicksPerQuarter);

    for (const char *device : {"speaker", "midi"}) {
        const CliRun r = home.run({"convert", "tune.txt", "tune.wav", "--device", device});
        if (r.code == 2 && QByteArray(device) == "midi") {
            continue;  // no sound font here
        }
        ASSERT_EQ(r.code, 0) << device << ": " << r.err.toStdString();
        const auto audio = WavFile::decode(home.read("tune.wav"));
        ASSERT_TRUE(audio) << device;
        EXPECT_EQ(audio->channels, 1);
        const double seconds = double(audio->samples.size()) / audio->sampleRate;
        // the synthesizer's notes may ring on after the last one
        EXPECT_GE(seconds, 1.99) << device;
        EXPECT_LE(seconds, 3.5) << device;
        const auto [low, high] = std::minmax_element(audio->samples.begin(), audio->samples.end());
        EXPECT_GT(*high - *low, 2000) << device << ": silent";
    }
    EXPECT_EQ(home.run({"convert", "tune.txt", "x.wav", "--device", "radio"}).code, 1);
    EXPECT_EQ(home.run({"convert", "tune.mid", "x.txt"}).code, 1);
}
