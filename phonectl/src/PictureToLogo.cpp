#include "PictureToLogo.h"

#include <QColor>
#include <QPainter>
#include <algorithm>

#include "velkor17/FBLogo.h"

namespace velkor17 {

namespace {

quint32 bgrOf(QRgb rgb) {
    return quint32(qRed(rgb)) | (quint32(qGreen(rgb)) << 8) | (quint32(qBlue(rgb)) << 16);
}

QColor colorOfBgr(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// The picture as opaque colours: transparent parts show the screen colour,
// as a picture box with that background would.
QImage opaque(const QImage &picture, quint32 screenColor) {
    if (!picture.hasAlphaChannel()) {
        return picture.convertToFormat(QImage::Format_RGB32);
    }
    QImage canvas(picture.size(), QImage::Format_RGB32);
    canvas.fill(colorOfBgr(screenColor & 0xFFFFFF));
    QPainter painter(&canvas);
    painter.drawImage(0, 0, picture);
    painter.end();
    return canvas;
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
    const QImage image = opaque(picture, screenColor);
    std::vector<int> columns(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        columns[std::size_t(x)] = sampleAt(x, image.width(), width);
    }
    // Neighbouring samples mostly share a colour: keep the last one's value.
    qint64 last = -1;
    qint8 value = 0;
    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(
            image.constScanLine(sampleAt(y, image.height(), height)));
        for (int x = 0; x < width; ++x) {
            const quint32 c = bgrOf(line[columns[std::size_t(x)]]);
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
