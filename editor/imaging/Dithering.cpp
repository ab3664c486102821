#include "imaging/Dithering.h"

#include <algorithm>
#include <vector>

namespace glyphsmith {

namespace {

QImage asGrey(const QImage &grey) {
    return grey.format() == QImage::Format_Grayscale8
               ? grey
               : grey.convertToFormat(QImage::Format_Grayscale8);
}

// Qt's one-bit conversions with the given dither flag; dark pixels come out
// as the darker of the two palette colours.
LogoBitmap qtDither(const QImage &grey, Qt::ImageConversionFlags flags) {
    const QImage mono = grey.convertToFormat(QImage::Format_Mono, flags | Qt::MonoOnly);
    LogoBitmap out(grey.width(), grey.height());
    if (mono.isNull()) {
        return out;
    }
    const bool zeroIsDark = qGray(mono.color(0)) < qGray(mono.color(1));
    for (int y = 0; y < mono.height(); ++y) {
        const uchar *row = mono.constScanLine(y);
        for (int x = 0; x < mono.width(); ++x) {
            const bool bit = (row[x >> 3] >> (7 - (x & 7))) & 1;
            out.set(x, y, bit != zeroIsDark);
        }
    }
    return out;
}

LogoBitmap plainThreshold(const QImage &grey, int threshold) {
    LogoBitmap out(grey.width(), grey.height());
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *row = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            out.set(x, y, row[x] < threshold);
        }
    }
    return out;
}

}  // namespace

QImage greyLevels(const QImage &picture) {
    if (picture.isNull()) {
        return {};
    }
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QImage grey(rgb.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *out = grey.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            out[x] = static_cast<uchar>(qGray(in[x]));
        }
    }
    return grey;
}

QImage shiftedForThreshold(const QImage &grey, int threshold) {
    QImage out = asGrey(grey).copy();
    const int shift = 128 - threshold;
    for (int y = 0; y < out.height(); ++y) {
        uchar *row = out.scanLine(y);
        for (int x = 0; x < out.width(); ++x) {
            row[x] = static_cast<uchar>(std::clamp(row[x] + shift, 0, 255));
        }
    }
    return out;
}

LogoBitmap ditherGrey(const QImage &picture, DitherMode mode, int threshold) {
    if (picture.isNull()) {
        return {};
    }
    const QImage grey = asGrey(picture);
    switch (mode) {
        case DitherMode::None:
            return plainThreshold(grey, threshold);
        case DitherMode::FloydSteinberg:
            return qtDither(shiftedForThreshold(grey, threshold), Qt::DiffuseDither);
        case DitherMode::Ordered:
            return qtDither(shiftedForThreshold(grey, threshold), Qt::OrderedDither);
        case DitherMode::Atkinson:
            return atkinsonDither(shiftedForThreshold(grey, threshold));
    }
    return plainThreshold(grey, threshold);
}

LogoBitmap atkinsonDither(const QImage &picture) {
    const QImage grey = asGrey(picture);
    const int w = grey.width();
    const int h = grey.height();
    LogoBitmap out(w, h);
    if (out.isEmpty()) {
        return out;
    }
    // three rows of carried error, two columns of margin on each side so the
    // neighbours need no bounds checks
    const int stride = w + 4;
    std::vector<int> rows(static_cast<std::size_t>(stride) * 3, 0);
    for (int y = 0; y < h; ++y) {
        int *cur = rows.data() + (y % 3) * stride + 2;
        int *next = rows.data() + ((y + 1) % 3) * stride + 2;
        int *after = rows.data() + ((y + 2) % 3) * stride + 2;
        const uchar *in = grey.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            const int value = in[x] + cur[x];
            const bool dark = value < 128;
            out.set(x, y, dark);
            const int share = (value - (dark ? 0 : 255)) / 8;
            cur[x + 1] += share;
            cur[x + 2] += share;
            next[x - 1] += share;
            next[x] += share;
            next[x + 1] += share;
            after[x] += share;
        }
        std::fill(cur - 2, cur - 2 + stride, 0);  // reused for the row three below
    }
    return out;
}

}  // namespace glyphsmith
