// Moving every pixel of a startup logo (84 x 48) into the engine and back
// through FBLogo.Pixel, as the editor's transfer routines do: 4032 lets and
// 4032 gets per iteration, by typed call and by DISPID through invoke. Runs
// on the engine beside the library. The goal for the typed path is under
// 2 ms per iteration. Also the picture conversion of SetLogoPicture onto
// that logo.
#include <benchmark/benchmark.h>

#include <QImage>

#include "velkor17/FBLogo.h"
#include "velkor17/VelkorControl.h"

namespace {

constexpr qint16 kWidth = 84;
constexpr qint16 kHeight = 48;
constexpr qint32 kPixelDispId = 0x68030008;

VelkorControl &control() {
    static VelkorControl *c = [] {
        auto *created = new VelkorControl;
        created->setRaiseError(false);
        return created;
    }();
    return *c;
}

FBLogo &startupLogo() {
    FBLogo *logo = control().Logo();
    logo->setLogoType(fbStartupLogo);
    return *logo;
}

void BM_TypedPixelRoundTrip(benchmark::State &state) {
    FBLogo &logo = startupLogo();
    if (logo.Width() != kWidth || logo.Height() != kHeight) {
        state.SkipWithError("the engine gives no startup logo");
        return;
    }
    qint64 sum = 0;
    for (auto _ : state) {
        for (qint16 y = 0; y < kHeight; ++y) {
            for (qint16 x = 0; x < kWidth; ++x) {
                logo.setPixel(x, y, qint16((x + y) & 1));
            }
        }
        for (qint16 y = 0; y < kHeight; ++y) {
            for (qint16 x = 0; x < kWidth; ++x) {
                sum += logo.Pixel(x, y);
            }
        }
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * 2 * kWidth * kHeight);
}
BENCHMARK(BM_TypedPixelRoundTrip)->Unit(benchmark::kMillisecond);

void BM_InvokePixelRoundTrip(benchmark::State &state) {
    FBLogo &logo = startupLogo();
    if (logo.Width() != kWidth || logo.Height() != kHeight) {
        state.SkipWithError("the engine gives no startup logo");
        return;
    }
    qint64 sum = 0;
    for (auto _ : state) {
        for (qint16 y = 0; y < kHeight; ++y) {
            for (qint16 x = 0; x < kWidth; ++x) {
                logo.invoke(kPixelDispId, velkor17::DispatchKind::PropertyPut,
                            {x, y, qint16((x + y) & 1)});
            }
        }
        for (qint16 y = 0; y < kHeight; ++y) {
            for (qint16 x = 0; x < kWidth; ++x) {
                sum += logo.invoke(kPixelDispId, velkor17::DispatchKind::PropertyGet, {x, y})
                           .value<qint16>();
            }
        }
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * 2 * kWidth * kHeight);
}
BENCHMARK(BM_InvokePixelRoundTrip)->Unit(benchmark::kMillisecond);

// A 640 x 480 photo-like picture (every pixel a different colour) onto the
// startup logo.
void BM_SetLogoPictureOntoStartupLogo(benchmark::State &state) {
    startupLogo();
    QImage picture(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
        }
    }
    for (auto _ : state) {
        control().SetLogoPicture(picture);
    }
}
BENCHMARK(BM_SetLogoPictureOntoStartupLogo)->Unit(benchmark::kMillisecond);

}  // namespace
