// Speed of the flood fill: the whole startup logo, one fill per iteration.
#include <benchmark/benchmark.h>

#include <QImage>

#include "canvas/FloodFill.h"
#include "document/LogoDocument.h"

using namespace glyphsmith;

namespace {

void BM_FloodFillWholeStartupLogo(benchmark::State &state) {
    QImage picture(LogoDocument::kPreviewWidth, LogoDocument::kPreviewHeight, QImage::Format_RGB32);
    picture.fill(LogoDocument::kClearColor);
    bool ink = true;
    for (auto _ : state) {
        const QRgb colour = ink ? LogoDocument::kSetColor : LogoDocument::kClearColor;
        benchmark::DoNotOptimize(floodFill(picture, QPoint(41, 23), colour, picture.rect()));
        ink = !ink;
    }
}
BENCHMARK(BM_FloodFillWholeStartupLogo);

void BM_FloodFillMaze(benchmark::State &state) {
    // every other column set, joined at alternate ends: one long winding area
    QImage picture(LogoDocument::kPreviewWidth, LogoDocument::kPreviewHeight, QImage::Format_RGB32);
    picture.fill(LogoDocument::kClearColor);
    for (int x = 1; x < picture.width(); x += 2) {
        for (int y = 0; y < picture.height(); ++y) {
            const bool gap = (x / 2) % 2 == 0 ? y == picture.height() - 1 : y == 0;
            if (!gap) {
                picture.setPixel(x, y, LogoDocument::kSetColor);
            }
        }
    }
    QRgb colour = 0xFF336699;
    for (auto _ : state) {
        benchmark::DoNotOptimize(floodFill(picture, QPoint(0, 0), colour, picture.rect()));
        colour ^= 0x00FFFFFF;
    }
}
BENCHMARK(BM_FloodFillMaze);

}  // namespace
