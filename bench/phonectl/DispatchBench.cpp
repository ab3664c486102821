// The cost of calling a control member by DISPID through invoke, against the
// typed C++ call of the same member. Runs on the engine beside the library
// (the calls below reach only set_vlkr_instance).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "velkor17/VelkorControl.h"

namespace {

VelkorControl &control() {
    static VelkorControl *c = [] {
        auto *created = new VelkorControl;
        created->setRaiseError(false);
        return created;
    }();
    return *c;
}

void BM_TypedLastError(benchmark::State &state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(control().LastError());
    }
}
BENCHMARK(BM_TypedLastError);

void BM_InvokeLastError(benchmark::State &state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(control().invoke(0x680300F9, velkor17::DispatchKind::PropertyGet));
    }
}
BENCHMARK(BM_InvokeLastError);

// A member with an argument to convert (not connected: it stops after the
// connection check, so the engine's own work does not count).
void BM_TypedNetmonitorScreen(benchmark::State &state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(control().NetmonitorScreen(7));
    }
}
BENCHMARK(BM_TypedNetmonitorScreen);

void BM_InvokeNetmonitorScreen(benchmark::State &state) {
    const QVariantList args{7};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            control().invoke(0x680300FC, velkor17::DispatchKind::PropertyGet, args));
    }
}
BENCHMARK(BM_InvokeNetmonitorScreen);

// Texts to convert, and an optional argument left out.
void BM_InvokeSendSmsMessage(benchmark::State &state) {
    const QVariantList args{QStringLiteral("+358401234567"), QStringLiteral("Hello there")};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            control().invoke(0x6003010A, velkor17::DispatchKind::Method, args));
    }
}
BENCHMARK(BM_InvokeSendSmsMessage);

void BM_InvokeChildObject(benchmark::State &state) {
    const QVariantList args{5};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            control().invoke(0x680300F5, velkor17::DispatchKind::PropertyGet, args));
    }
}
BENCHMARK(BM_InvokeChildObject);

}  // namespace

int main(int argc, char **argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
