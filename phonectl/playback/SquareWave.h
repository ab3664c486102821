// A square wave generator at SampleSink::kSampleRate; the phase carries over
// from one render() to the next.
#pragma once

#include <QtGlobal>

#include "velkor17/Export.h"

namespace velkor17 {

class VELKOR17_EXPORT SquareWave {
public:
    static constexpr qint16 kDefaultAmplitude = 8000;

    // `hz` <= 0 renders silence.
    explicit SquareWave(double hz, qint16 amplitude = kDefaultAmplitude);

    void render(qint16 *out, qsizetype count);

private:
    double step_;   // cycles per sample
    double phase_;  // 0 <= phase_ < 1
    qint16 amplitude_;
};

}  // namespace velkor17
