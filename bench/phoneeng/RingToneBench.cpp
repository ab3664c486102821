// Parsing and writing a 100-note RTTTL tone, and the ring tone binary.
#include <benchmark/benchmark.h>

#include <string>

#include "ringtone/RingToneBinary.h"
#include "ringtone/Rtttl.h"

using namespace phoneeng;

namespace {

// 100 notes of every length, octave, sharp and dot, with style changes.
std::string hundredNotes() {
    static const char *kNotes[] = {"c",   "8d#",  "e.", "16f#", "g6", "2a",   "h",
                                   "32p", "c#7.", "d4", "8e6",  "f",  "16g#", "a."};
    std::string text = "Benchmark Tune:d=4,o=5,b=140,s=n:";
    for (int i = 0; i < 100; ++i) {
        if (i > 0) {
            text += ',';
        }
        text += kNotes[i % 14];
    }
    return text;
}

void BM_RtttlParse(benchmark::State &state) {
    const std::string text = hundredNotes();
    for (auto _ : state) {
        RingTone tone;
        benchmark::DoNotOptimize(decodeRtttl(text, tone));
        benchmark::DoNotOptimize(tone);
    }
}

void BM_RtttlWrite(benchmark::State &state) {
    RingTone tone;
    decodeRtttl(hundredNotes(), tone);
    for (auto _ : state) {
        benchmark::DoNotOptimize(encodeRtttl(tone));
    }
}

void BM_RingToneBinaryRoundTrip(benchmark::State &state) {
    RingTone tone;
    decodeRtttl(hundredNotes(), tone);
    for (auto _ : state) {
        const auto bytes = encodeRingToneBinary(tone);
        RingTone back;
        benchmark::DoNotOptimize(decodeRingToneBinary(bytes, back));
    }
}

}  // namespace

BENCHMARK(BM_RtttlParse);
BENCHMARK(BM_RtttlWrite);
BENCHMARK(BM_RingToneBinaryRoundTrip);
