// Where the rendered sound goes: 16-bit mono samples at kSampleRate. The sink
// also owns the passing of time: a live sink returns from play() when the
// samples' duration has passed, a file sink at once.
#pragma once

#include <QtGlobal>

#include "velkor17/Export.h"

namespace velkor17 {

class VELKOR17_EXPORT SampleSink {
public:
    static constexpr int kSampleRate = 48000;
    static constexpr int kSamplesPerMs = kSampleRate / 1000;

    virtual ~SampleSink() = default;

    // `count` samples, count / kSamplesPerMs milliseconds of sound.
    virtual void play(const qint16 *samples, qsizetype count) = 0;
    virtual void letEventsRun() = 0;
};

}  // namespace velkor17
