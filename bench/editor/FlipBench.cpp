// Speed of the whole-logo operations on a startup logo (84 x 48), done by the
// cell rules on the document.
#include <benchmark/benchmark.h>

#include "canvas/LogoTransforms.h"
#include "document/LogoDocument.h"

using namespace glyphsmith;

namespace {

LogoDocument checkered() {
    LogoDocument doc;
    for (int y = 0; y < LogoDocument::kPreviewHeight; ++y) {
        for (int x = 0; x < LogoDocument::kPreviewWidth; ++x) {
            if ((x / 3 + y) % 2 == 0) {
                doc.setPixel(x, y, LogoDocument::kSetColor);
            }
        }
    }
    return doc;
}

template <void (*Operation)(LogoDocument &, int, int)>
void BM_WholeLogo(benchmark::State &state) {
    LogoDocument doc = checkered();
    for (auto _ : state) {
        Operation(doc, LogoDocument::kPreviewWidth, LogoDocument::kPreviewHeight);
        benchmark::DoNotOptimize(doc.view().constBits());
    }
}
BENCHMARK_TEMPLATE(BM_WholeLogo, flipLogoHorizontal)->Name("BM_FlipHorizontalStartupLogo");
BENCHMARK_TEMPLATE(BM_WholeLogo, flipLogoVertical)->Name("BM_FlipVerticalStartupLogo");
BENCHMARK_TEMPLATE(BM_WholeLogo, invertLogo)->Name("BM_InverseStartupLogo");

}  // namespace
