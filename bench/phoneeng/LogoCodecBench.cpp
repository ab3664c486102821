// Reading and writing each logo format, in memory and through a file.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <random>
#include <string>

#include "logo/LogoCodec.h"
#include "logo/LogoFiles.h"

using namespace phoneeng;

namespace {

Logo patterned(LogoType type) {
    Logo logo;
    logo.setType(type);
    std::mt19937 rng(42);
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            logo.setPixel(x, y, rng() % 2 == 0);
        }
    }
    logo.netCode = "244 05";
    return logo;
}

struct Case {
    LogoFormat format;
    LogoType type;
};

// Benchmark argument -> the format and the type most often kept in it.
Case caseOf(int64_t arg) {
    static const Case kCases[] = {
        {LogoFormat::Nol, LogoType::Operator}, {LogoFormat::Ngg, LogoType::Caller},
        {LogoFormat::Nsl, LogoType::Startup},  {LogoFormat::Nlm, LogoType::Picture},
        {LogoFormat::Bmp, LogoType::Startup},  {LogoFormat::Otb, LogoType::Startup}};
    return kCases[arg];
}

const char *kNames[] = {"NOL", "NGG", "NSL", "NLM", "BMP", "OTB"};

void BM_LogoEncode(benchmark::State &state) {
    const Case c = caseOf(state.range(0));
    const Logo logo = patterned(c.type);
    state.SetLabel(kNames[state.range(0)]);
    for (auto _ : state) {
        benchmark::DoNotOptimize(encodeLogo(logo, c.format));
    }
}

void BM_LogoDecode(benchmark::State &state) {
    const Case c = caseOf(state.range(0));
    const auto bytes = encodeLogo(patterned(c.type), c.format);
    state.SetLabel(kNames[state.range(0)]);
    for (auto _ : state) {
        DecodedLogo decoded;
        benchmark::DoNotOptimize(decodeLogo(bytes, decoded));
        Logo logo;
        applyDecodedLogo(decoded, logo);
        benchmark::DoNotOptimize(logo);
    }
}

// Through the disk: an atomic write (with its flush) and a whole-file read.
void BM_LogoFileRoundTrip(benchmark::State &state) {
    const Case c = caseOf(state.range(0));
    const Logo logo = patterned(c.type);
    std::string folder = "/tmp/phoneeng-bench-XXXXXX";
    if (!::mkdtemp(folder.data())) {
        state.SkipWithError("mkdtemp failed");
        return;
    }
    const std::string path = folder + "/logo." + kNames[state.range(0)];
    state.SetLabel(kNames[state.range(0)]);
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeLogoFile(path, logo));
        Logo read;
        benchmark::DoNotOptimize(readLogoFile(path, read));
    }
    ::unlink(path.c_str());
    ::rmdir(folder.c_str());
}

}  // namespace

BENCHMARK(BM_LogoEncode)->DenseRange(0, 5);
BENCHMARK(BM_LogoDecode)->DenseRange(0, 5);
BENCHMARK(BM_LogoFileRoundTrip)->DenseRange(0, 5);

BENCHMARK_MAIN();
