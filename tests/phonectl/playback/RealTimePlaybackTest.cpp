// Playback that really takes its time: waits keep the event loop turning, so
// a timer (standing in for a Stop button) reaches a running Play. (A stop
// through FBRingTone's StopPlayback is in FBRingToneTest.)
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
