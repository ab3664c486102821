// Measurements on rendered 16-bit mono sound at SampleSink::kSampleRate.
#pragma once

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "SampleSink.h"

namespace velkor17::test {

constexpr double kRate = velkor17::SampleSink::kSampleRate;

inline qsizetype samplesOf(double ms) {
    return qsizetype(std::llround(ms * kRate / 1000.0));
}

// Runs [begin, end) of samples that are not exactly zero.
inline std::vector<std::pair<qsizetype, qsizetype>> soundingRuns(const std::vector<qint16> &s) {
    std::vector<std::pair<qsizetype, qsizetype>> runs;
    qsizetype i = 0;
    const qsizetype n = qsizetype(s.size());
    while (i < n) {
        while (i < n && s[size_t(i)] == 0) {
            ++i;
        }
        const qsizetype begin = i;
        while (i < n && s[size_t(i)] != 0) {
            ++i;
        }
        if (i > begin) {
            runs.emplace_back(begin, i);
        }
    }
    return runs;
}

// Pitch from the count of sign changes in [begin, end).
inline double zeroCrossingHz(const std::vector<qint16> &s, qsizetype begin, qsizetype end) {
    int changes = 0;
    for (qsizetype i = begin + 1; i < end; ++i) {
        if ((s[size_t(i - 1)] < 0) != (s[size_t(i)] < 0)) {
            ++changes;
        }
    }
    return changes / 2.0 / (double(end - begin) / kRate);
}

// Magnitude of the Hann-windowed Fourier component at `hz` over [begin, end).
inline double magnitudeAt(const std::vector<qint16> &s, qsizetype begin, qsizetype end, double hz) {
    double re = 0.0, im = 0.0;
    const double n = double(end - begin);
    for (qsizetype i = begin; i < end; ++i) {
        const double t = double(i - begin);
        const double w = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * t / n);
        const double phase = 2.0 * std::numbers::pi * hz * t / kRate;
        re += w * s[size_t(i)] * std::cos(phase);
        im += w * s[size_t(i)] * std::sin(phase);
    }
    return std::hypot(re, im);
}

// The strongest frequency between lo and hi Hz (in `step` Hz steps) in [begin, end).
inline double dominantHz(const std::vector<qint16> &s, qsizetype begin, qsizetype end, double lo,
                         double hi, double step = 2.0) {
    double best = lo, bestMagnitude = -1.0;
    for (double hz = lo; hz <= hi; hz += step) {
        const double m = magnitudeAt(s, begin, end, hz);
        if (m > bestMagnitude) {
            bestMagnitude = m;
            best = hz;
        }
    }
    return best;
}

// Root mean square over [begin, end).
inline double rms(const std::vector<qint16> &s, qsizetype begin, qsizetype end) {
    if (end <= begin) {
        return 0.0;
    }
    double sum = 0.0;
    for (qsizetype i = begin; i < end; ++i) {
        sum += double(s[size_t(i)]) * s[size_t(i)];
    }
    return std::sqrt(sum / double(end - begin));
}

// Note onsets: points (on a 2 ms grid) where the level of the next 10 ms is
// above `floor` and 2.5 times the level of the 10 ms before; at most one per 100 ms.
inline std::vector<qsizetype> onsets(const std::vector<qint16> &s, double floor = 200.0) {
    const qsizetype step = samplesOf(2);
    const qsizetype window = samplesOf(10);
    std::vector<qsizetype> found;
    qsizetype lastOnset = -samplesOf(100);
    for (qsizetype i = 0; i + window <= qsizetype(s.size()); i += step) {
        const double next = rms(s, i, i + window);
        const double before = rms(s, std::max<qsizetype>(0, i - window), i);
        if (next > floor && next > 2.5 * before && i - lastOnset >= samplesOf(100)) {
            found.push_back(i);
            lastOnset = i;
        }
    }
    return found;
}

}  // namespace velkor17::test
