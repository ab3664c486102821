#include "LiveSampleSink.h"

#include "AudioStream.h"

namespace velkor17 {

LiveSampleSink::LiveSampleSink(bool useAudioDevice) {
    if (useAudioDevice) {
        audio_ = std::make_unique<AudioStream>();
    }
}

LiveSampleSink::~LiveSampleSink() = default;

void LiveSampleSink::play(const qint16 *samples, qsizetype count) {
    if (audio_ != nullptr) {
        audio_->enqueue(samples, count);
    }
    const qsizetype total = leftoverSamples_ + count;
    leftoverSamples_ = total % kSamplesPerMs;
    clock_.wait(qint32(total / kSamplesPerMs));
}

void LiveSampleSink::letEventsRun() {
    PlaybackClock::letEventsRun();
}

}  // namespace velkor17
