#include "PictureToLogo.h"

#include <QColor>
#include <algorithm>

#include "velkor17/FBLogo.h"

namespace velkor17 {

namespace {

quint32 bgrOf(QRgb rgb) {
    return quint32(qRed(rgb)) | (quint32(qGreen(rgb)) << 8) | (quint32(qBlue(rgb)) << 16);
}

// The colour of picture pixel (x, y) as 0x00BBGGRR, drawn over the screen
// colour: transparent parts show it, as a picture box with that background
// would.
quint32 colorAt(const QImage &picture, int x, int y, quint32 screenColor) {
    const QColor c = picture.pixelColor(x, y);
    const int alpha = c.alpha();
    if (alpha == 255) {
        return bgrOf(c.rgb());
    }
    const auto over = [alpha](int top, quint32 under) {
        return quint32((top * alpha + int(under & 0xFF) * (255 - alpha) + 127) / 255);
    };
    return over(c.red(), screenColor) | (over(c.green(), screenColor >> 8) << 8) |
           (over(c.blue(), screenColor >> 16) << 16);
}

// The picture column (or row) sampled for logo column x of `logoSize`.
int sampleAt(int x, int pictureSize, int logoSize) {
    const double s = (x + 0.1) * pictureSize / logoSize;
    return std::clamp(int(s), 0, pictureSize - 1);
}

}  // namespace

int PictureToLogo::brightness(quint32 color) {
    const int red = int(color & 0xFF);
    const int green = int((color >> 8) & 0xFF);
    const int blue = int((color >> 16) & 0xFF);
    // Hundredths of the brightness.
    const int n = red * 33 + green * 50 + blue * 17;
    int whole = n / 100;
    const int rest = n % 100;
    if (rest > 50 || (rest == 50 && whole % 2 == 1)) {
        ++whole;
    }
    return whole;
}

quint32 PictureToLogo::screenColorOf(const QVariant &color) {
    if (!color.isValid() || color.isNull()) {
        return kDefaultScreenColor;
    }
    if (color.metaType() == QMetaType::fromType<QColor>()) {
        const QColor c = color.value<QColor>();
        return c.isValid() ? bgrOf(c.rgb()) : kDefaultScreenColor;
    }
    bool ok = false;
    const qlonglong value = color.toLongLong(&ok);
    return ok ? quint32(value) : kDefaultScreenColor;
}

std::vector<qint8> PictureToLogo::pixels(const QImage &picture, int width, int height,
                                         int threshold, quint32 screenColor) {
    std::vector<qint8> out(std::size_t(std::max(width, 0)) * std::size_t(std::max(height, 0)),
                           kLeave);
    if (picture.isNull() || out.empty()) {
        return out;
    }
    std::vector<int> columns(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        columns[std::size_t(x)] = sampleAt(x, picture.width(), width);
    }
    // Neighbouring samples mostly share a colour: keep the last one's value.
    qint64 last = -1;
    qint8 value = 0;
    for (int y = 0; y < height; ++y) {
        const int row = sampleAt(y, picture.height(), height);
        for (int x = 0; x < width; ++x) {
            const quint32 c = colorAt(picture, columns[std::size_t(x)], row, screenColor);
            if (qint64(c) != last) {
                last = c;
                value = c == screenColor ? kLeave : qint8(brightness(c) < threshold ? 0 : 1);
            }
            out[std::size_t(y) * std::size_t(width) + std::size_t(x)] = value;
        }
    }
    return out;
}

void PictureToLogo::apply(FBLogo &logo, const QImage &picture, int threshold, quint32 screenColor) {
    if (picture.isNull()) {
        return;
    }
    qint16 height = logo.Height();
    qint16 width = logo.Width();
    if (height <= 0 || width <= 0) {
        logo.Download(fbOperatorLogo, -1);
        height = logo.Height();
        width = logo.Width();
    }
    if (height <= 0 || width <= 0) {
        return;
    }
    const std::vector<qint8> values = pixels(picture, width, height, threshold, screenColor);
    for (qint16 y = 0; y < height; ++y) {
        for (qint16 x = 0; x < width; ++x) {
            const qint8 v = values[std::size_t(y) * std::size_t(width) + std::size_t(x)];
            if (v != kLeave) {
                logo.setPixel(x, y, v);
            }
        }
    }
}

}  // namespace velkor17
