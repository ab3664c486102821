// Live playback on a machine with no audio device or sound server: the
// player asks for the device, gets none, and plays the tone in silence with
// its timing intact; nothing fails and nothing is left open.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "AudioStream.h"
#include "ListRingTone.h"
#include "LiveSampleSink.h"
#include "RingTonePlayer.h"
#include "SynthPlaybackOutput.h"

using namespace velkor17;
using velkor17::test::ListRingTone;

TEST(NoAudioDevice, LivePlaybackKeepsItsTimingInSilence) {
    // Read by the sound server client when the devices are first asked for;
    // no server listens there.
    qputenv("PULSE_SERVER", "unix:/nonexistent/glyphsmith-test/native");
    for (const qint32 device : {RingTonePlayer::kSpeaker, RingTonePlayer::kMidi}) {
        SCOPED_TRACE(device);
        LiveSampleSink sink(true);
        SynthPlaybackOutput output(sink);
        RingTonePlayer player(output);
        // 120 beats a minute: 250 ms + 125 ms + 125 ms.
        ListRingTone tone({"8A5", "16P", "16C6"}, 120, RingTonePlayer::kStaccato);
        bool stop = false;
        QElapsedTimer clock;
        clock.start();
        player.Play(tone, device, stop);
        ASSERT_NE(sink.audio(), nullptr);
        EXPECT_FALSE(sink.audio()->isOpen());
        EXPECT_GE(clock.elapsed(), 250 + 125 + 125 - 5);
    }
}
