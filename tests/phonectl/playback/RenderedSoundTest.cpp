// Ring tones rendered through the sound pipeline into WAV files, measured.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "BufferSampleSink.h"
#include "ListRingTone.h"
#include "MidiSynth.h"
#include "PlayRTone.h"
#include "RingTonePlayer.h"
#include "SoundAnalysis.h"
#include "SynthPlaybackOutput.h"
#include "WavFile.h"

using namespace velkor17;
using velkor17::test::ListRingTone;
using velkor17::test::samplesOf;

namespace {

std::vector<qint16> renderToWavAndRead(ListRingTone &tone, qint32 device) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tone.wav");
    EXPECT_EQ(PlayRTone::RenderToWav(tone, device, path), 0);
    QString error;
    const auto audio = WavFile::read(path, &error);
    EXPECT_TRUE(audio) << error.toStdString();
    if (!audio) {
        return {};
    }
    EXPECT_EQ(audio->sampleRate, SampleSink::kSampleRate);
    EXPECT_EQ(audio->channels, 1);
    return audio->samples;
}

}  // namespace

TEST(RenderedSound, SpeakerTuneHasTheNotesPitchesAndLengths) {
    // Natural style at 120: 8th = 250 ms (234 sound + 16 gap); 16th dotted = 188 (176 + 12).
    ListRingTone tone({"8A5", "8P", "8C6", "16E6.", "4A6"}, 120, RingTonePlayer::kNatural);
    const std::vector<qint16> s = renderToWavAndRead(tone, RingTonePlayer::kSpeaker);
    ASSERT_EQ(qsizetype(s.size()), samplesOf(250 + 250 + 250 + 188 + 500));

    struct Expected {
        double startMs, lengthMs, hz;
    };
    const Expected notes[] = {{0, 234, 440}, {500, 234, 523}, {750, 176, 659}, {938, 469, 880}};
    const auto runs = test::soundingRuns(s);
    ASSERT_EQ(runs.size(), std::size(notes));
    for (size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].first, samplesOf(notes[i].startMs)) << "note " << i;
        EXPECT_EQ(runs[i].second - runs[i].first, samplesOf(notes[i].lengthMs)) << "note " << i;
        const double hz = test::zeroCrossingHz(s, runs[i].first, runs[i].second);
        EXPECT_NEAR(hz, notes[i].hz, notes[i].hz * 0.01) << "note " << i;
    }
}

TEST(RenderedSound, MidiTuneHasTheNotesPitchesAndOnsets) {
    if (MidiSynth::findSoundFont(MidiSynth::defaultSoundFontPaths()).isEmpty()) {
        GTEST_SKIP() << "no General MIDI sound font installed";
    }
    // 8th notes at 60: 500 ms each; then the one-second close delay.
    ListRingTone tone({"8A5", "8C6", "8E6", "8A6"}, 60, RingTonePlayer::kNatural);
    const std::vector<qint16> s = renderToWavAndRead(tone, RingTonePlayer::kMidi);
    ASSERT_EQ(qsizetype(s.size()), samplesOf(4 * 500 + 1000));

    const double pitches[] = {440.0, 523.251, 659.255, 880.0};
    const auto found = test::onsets(s);
    ASSERT_EQ(found.size(), std::size(pitches));
    for (size_t i = 0; i < found.size(); ++i) {
        const qsizetype expected = samplesOf(500.0 * double(i));
        EXPECT_NEAR(double(found[i]), double(expected), double(samplesOf(20))) << "note " << i;
        const double hz =
            test::dominantHz(s, expected + samplesOf(40), expected + samplesOf(140), 300, 1000);
        EXPECT_NEAR(hz, pitches[i], pitches[i] * 0.01) << "note " << i;
    }
    // Released and closed: the last half second is silent.
    EXPECT_LT(test::rms(s, qsizetype(s.size()) - samplesOf(500), qsizetype(s.size())), 5.0);
}

TEST(RenderedSound, MidiWithoutSoundFontKeepsTheTimingInSilence) {
    BufferSampleSink sink;
    SynthPlaybackOutput output(sink, {QStringLiteral("/nonexistent/none.sf2")});
    RingTonePlayer player(output);
    ListRingTone tone({"4A5", "8P", "8C6."}, 120, RingTonePlayer::kStaccato);
    bool stop = false;
    player.Play(tone, RingTonePlayer::kMidi, stop);
    EXPECT_FALSE(output.synth().isLoaded());
    ASSERT_EQ(qsizetype(sink.samples().size()), samplesOf(500 + 250 + 375 + 1000));
    EXPECT_TRUE(test::soundingRuns(sink.samples()).empty());
}

TEST(RenderedSound, MidiMessagesBeforeOpenOrAfterCloseAreDropped) {
    if (MidiSynth::findSoundFont(MidiSynth::defaultSoundFontPaths()).isEmpty()) {
        GTEST_SKIP() << "no General MIDI sound font installed";
    }
    BufferSampleSink sink;
    SynthPlaybackOutput output(sink);
    output.midiShortMessage(0x7F4590);  // not open yet
    output.sleep(100);
    output.midiOpen();
    output.midiClose();
    output.midiShortMessage(0x7F4590);  // closed again
    output.sleep(100);
    EXPECT_TRUE(test::soundingRuns(sink.samples()).empty());
}

TEST(RenderedSound, FilesOnlyForSoundDevicesAndFailuresKeepTheOldFile) {
    QTemporaryDir dir;
    ListRingTone tone({"16A5"}, 120);
    EXPECT_EQ(PlayRTone::RenderToWav(tone, RingTonePlayer::kPhone, dir.filePath("a.wav")), 6);
    EXPECT_EQ(PlayRTone::RenderToWav(tone, 7, dir.filePath("a.wav")), 6);
    EXPECT_FALSE(QFile::exists(dir.filePath("a.wav")));
    EXPECT_EQ(PlayRTone::RenderToWav(tone, RingTonePlayer::kSpeaker, dir.filePath("no/such/x.wav")),
              7);

    const QString path = dir.filePath("keep.wav");
    ListRingTone empty({}, 120);
    ASSERT_EQ(PlayRTone::RenderToWav(empty, RingTonePlayer::kSpeaker, path), 0);
    const auto audio = WavFile::read(path);
    ASSERT_TRUE(audio);  // empty but valid
    EXPECT_TRUE(audio->samples.empty());
    ASSERT_EQ(PlayRTone::RenderToWav(tone, RingTonePlayer::kSpeaker, path), 0);
    EXPECT_GT(QFileInfo(path).size(), 44);
}
