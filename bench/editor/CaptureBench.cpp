// Speed of the picture commands: one tick of the capture window (read the
// screen at the pointer, show it; goal well under its 30 ms period) for each
// of the three sizes, and a 1000 x 1000 picture imported into a startup logo
// with Floyd-Steinberg dithering. Run under a real X server (xvfb-run) for
// the screen reads the capture really does.
#include <benchmark/benchmark.h>

#include <QImage>

#include "capture/FrmZGetDesk.h"
#include "capture/LiveScreenSource.h"
#include "imaging/PictureImport.h"

using namespace glyphsmith;

namespace {

void BM_CaptureTick(benchmark::State &state) {
    LiveScreenSource screen;
    FrmZGetDesk window(int(state.range(0)), screen, QString());
    for (auto _ : state) {
        window.Timer1_Timer();
    }
}
BENCHMARK(BM_CaptureTick)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

void BM_ImportFloydSteinberg1000(benchmark::State &state) {
    QImage picture(1000, 1000, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            row[x] = qRgb(x / 4, y / 4, (x + y) / 8);
        }
    }
    const ImportOptions options{FitMode::Fit, 128, DitherMode::FloydSteinberg, false};
    for (auto _ : state) {
        benchmark::DoNotOptimize(importPicture(picture, QSize(84, 48), options));
    }
}
BENCHMARK(BM_ImportFloydSteinberg1000)->Unit(benchmark::kMillisecond);

}  // namespace
