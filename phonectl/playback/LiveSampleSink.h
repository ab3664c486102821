// The SampleSink of live playback: the samples go to the default audio output
// (when asked for and present), and play() returns when their duration has
// passed on the wall clock, with the event loop turning meanwhile. Without an
// audio device the timing is the same and the sound is silence.
#pragma once

#include <memory>

#include "PlaybackClock.h"
#include "SampleSink.h"
#include "velkor17/Export.h"

namespace velkor17 {

class AudioStream;

class VELKOR17_EXPORT LiveSampleSink : public SampleSink {
public:
    explicit LiveSampleSink(bool useAudioDevice = true);
    ~LiveSampleSink() override;

    void play(const qint16 *samples, qsizetype count) override;
    void letEventsRun() override;

    // The audio stream, or null when playing silently.
    AudioStream *audio() const { return audio_.get(); }

private:
    std::unique_ptr<AudioStream> audio_;
    PlaybackClock clock_;
    qsizetype leftoverSamples_ = 0;  // below one millisecond, carried to the next play
};

}  // namespace velkor17
