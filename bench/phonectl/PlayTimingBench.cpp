// Timing of live playback: the wall-clock time of a Play against the sum of
// its note lengths (goal: within 2%), silent and on the default output (the
// audio device when there is one), and the speed of rendering into a WAV file.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "../../phonectl/playback/LiveSampleSink.h"
#include "../../phonectl/playback/PlayRTone.h"
#include "../../phonectl/playback/RingTonePlayer.h"
#include "../../phonectl/playback/RingToneSource.h"
#include "../../phonectl/playback/SynthPlaybackOutput.h"

using namespace velkor17;

namespace {

// A tune of mixed lengths and styles: 32 notes, about 4 s at 240 bpm.
class Tune : public RingToneSource {
public:
    qint32 noteCount() override { return qint32(notes_.size()); }
    qint32 tempo() override { return 240; }
    QString noteText(qint32 i) override { return notes_.value(i); }
    qint32 noteStyle(qint32 i) override { return i % 3; }
    // The sum of the note lengths.
    qint64 lengthMs() {
        qint64 sum = 0;
        for (const QString &note : notes_) {
            sum += RingTonePlayer::NoteDuration(note, 1, 4, tempo());
        }
        return sum;
    }

private:
    QStringList notes_ = [] {
        QStringList n;
        const QStringList bar = {"8A5", "8C6", "16E6", "16P", "8A6.", "16G6", "4E6", "8P"};
        for (int i = 0; i < 4; ++i) {
            n << bar;
        }
        return n;
    }();
};

void ensureApplication() {
    static int argc = 1;
    static char name[] = "bench_phonectl";
    static char *argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) {
        new QCoreApplication(argc, argv);
    }
}

void reportTiming(benchmark::State &state, qint64 wallMs, qint64 expectedMs) {
    state.counters["expected_ms"] = double(expectedMs);
    state.counters["wall_ms"] = double(wallMs);
    state.counters["error_pct"] = 100.0 * double(wallMs - expectedMs) / double(expectedMs);
}

void BM_PlayTimingSilent(benchmark::State &state) {
    ensureApplication();
    LiveSampleSink sink(false);
    SynthPlaybackOutput output(sink);
    RingTonePlayer player(output);
    Tune tune;
    qint64 wall = 0;
    for (auto _ : state) {
        bool stop = false;
        QElapsedTimer t;
        t.start();
        player.Play(tune, RingTonePlayer::kSpeaker, stop);
        wall = t.elapsed();
    }
    reportTiming(state, wall, tune.lengthMs());
}
BENCHMARK(BM_PlayTimingSilent)->Iterations(2)->Unit(benchmark::kMillisecond);

// The process-wide live output: the audio device when one answers, silence otherwise.
void BM_PlayTimingDefaultOutput(benchmark::State &state) {
    ensureApplication();
    const qint32 device = qint32(state.range(0));
    Tune tune;
    const qint64 expected =
        tune.lengthMs() + (device == RingTonePlayer::kMidi ? RingTonePlayer::kMidiCloseDelayMs : 0);
    qint64 wall = 0;
    for (auto _ : state) {
        bool stop = false;
        QElapsedTimer t;
        t.start();
        PlayRTone::Play(tune, device, stop);
        wall = t.elapsed();
    }
    reportTiming(state, wall, expected);
}
BENCHMARK(BM_PlayTimingDefaultOutput)
    ->Arg(RingTonePlayer::kSpeaker)
    ->Arg(RingTonePlayer::kMidi)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

void BM_RenderToWav(benchmark::State &state) {
    ensureApplication();
    QTemporaryDir dir;
    Tune tune;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            PlayRTone::RenderToWav(tune, qint32(state.range(0)), dir.filePath("tune.wav")));
    }
}
BENCHMARK(BM_RenderToWav)
    ->Arg(RingTonePlayer::kSpeaker)
    ->Arg(RingTonePlayer::kMidi)
    ->Unit(benchmark::kMillisecond);

}  // namespace
