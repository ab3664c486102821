// Playback that really takes its time: waits keep the event loop turning, so
// a timer (standing in for a Stop button) reaches a running Play.
#include <gtest/gtest.h>

#include <QTimer>

#include "BufferSampleSink.h"
#include "ListRingTone.h"
#include "LiveSampleSink.h"
#include "PlayRTone.h"
#include "RecordingPlaybackOutput.h"
#include "RingTonePlayer.h"
#include "SynthPlaybackOutput.h"

using namespace velkor17;
using velkor17::test::ListRingTone;

TEST(RealTimePlayback, StopFromATimerEndsTheWalkAfterTheCurrentNote) {
    RecordingPlaybackOutput out(true);
    RingTonePlayer player(out);
    // 40 sixteenth notes at 600 bpm: 25 ms each, continuous, one second in all.
    ListRingTone tone(QStringList(40, QStringLiteral("16A5")), 600, RingTonePlayer::kContinuous);
    bool stop = false;
    qsizetype callsWhenStopped = -1;
    QTimer::singleShot(60, [&] {
        callsWhenStopped = out.calls().size();
        stop = true;
    });
    player.Play(tone, RingTonePlayer::kSpeaker, stop);

    // The timer fired while a note was sounding; that note was already
    // recorded, and nothing came after it.
    ASSERT_GT(callsWhenStopped, 0);
    EXPECT_EQ(out.calls().size(), callsWhenStopped);
    EXPECT_LT(callsWhenStopped, 40);
    EXPECT_EQ(out.calls(), QStringList(callsWhenStopped, QStringLiteral("beep 440 25")));
}

TEST(RealTimePlayback, StopThroughTheModuleDuringAMidiPlayStillClosesTheDevice) {
    RecordingPlaybackOutput out(true);
    PlaybackOutput *previous = PlayRTone::setOutput(&out);
    ListRingTone tone(QStringList(20, QStringLiteral("32C6")), 900, RingTonePlayer::kNatural);
    bool stop = false;
    QTimer::singleShot(30, [&] { stop = true; });
    PlayRTone::Play(tone, RingTonePlayer::kMidi, stop);
    PlayRTone::setOutput(previous);

    const QStringList calls = out.calls();
    ASSERT_GE(calls.size(), 5);
    EXPECT_EQ(calls.mid(calls.size() - 2), QStringList({"sleep 1000", "midi-close"}));
    EXPECT_LT(calls.count(QStringLiteral("midi 0x7f4890")), 20);
    EXPECT_FALSE(PlayRTone::player().isMidiOpen());
}

TEST(RealTimePlayback, SilentLiveSinkPlaysTheWholeToneThroughTheSynth) {
    LiveSampleSink sink(false);
    SynthPlaybackOutput output(sink);
    RingTonePlayer player(output);
    ListRingTone tone({"32A5", "32P", "32C6"}, 900, RingTonePlayer::kStaccato);
    bool stop = false;
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(1);
    player.Play(tone, RingTonePlayer::kSpeaker, stop);
    EXPECT_EQ(sink.audio(), nullptr);
    EXPECT_GT(ticks, 0);  // the event loop turned while the notes played
}
