#include "SquareWave.h"

#include <algorithm>

#include "SampleSink.h"

namespace velkor17 {

SquareWave::SquareWave(double hz, qint16 amplitude)
    : step_(hz > 0 ? hz / SampleSink::kSampleRate : 0.0), phase_(0.0), amplitude_(amplitude) {}

void SquareWave::render(qint16 *out, qsizetype count) {
    if (step_ <= 0.0) {
        std::fill(out, out + count, qint16(0));
        return;
    }
    for (qsizetype i = 0; i < count; ++i) {
        out[i] = phase_ < 0.5 ? amplitude_ : qint16(-amplitude_);
        phase_ += step_;
        phase_ -= double(qint64(phase_));
    }
}

}  // namespace velkor17
