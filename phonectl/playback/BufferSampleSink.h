// A SampleSink that keeps every sample in memory and lets no real time pass:
// the WAV render's sink.
#pragma once

#include <vector>

#include "SampleSink.h"
#include "velkor17/Export.h"

namespace velkor17 {

class VELKOR17_EXPORT BufferSampleSink : public SampleSink {
public:
    void play(const qint16 *samples, qsizetype count) override {
        samples_.insert(samples_.end(), samples, samples + count);
    }
    void letEventsRun() override {}

    const std::vector<qint16> &samples() const { return samples_; }

private:
    std::vector<qint16> samples_;
};

}  // namespace velkor17
