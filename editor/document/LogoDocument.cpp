#include "document/LogoDocument.h"

#include <algorithm>
#include <cmath>

namespace glyphsmith {

LogoDocument::LogoDocument()
    : preview_(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32),
      view_(kViewWidth, kViewHeight, QImage::Format_RGB32) {
    blankCanvas();
}

LogoDocument::LogoDocument(const LogoDocument &other)
    : QObject(),
      kind_(other.kind_),
      width_(other.width_),
      height_(other.height_),
      path_(other.path_),
      modified_(other.modified_),
      preview_(other.preview_),
      view_(other.view_) {}

LogoDocument &LogoDocument::operator=(const LogoDocument &other) {
    kind_ = other.kind_;
    width_ = other.width_;
    height_ = other.height_;
    path_ = other.path_;
    setModified(other.modified_);
    preview_ = other.preview_;
    view_ = other.view_;
    notifyChanged();
    return *this;
}

void LogoDocument::setLogoSize(int width, int height) {
    width_ = static_cast<qint16>(width);
    height_ = static_cast<qint16>(height);
}

void LogoDocument::setModified(bool modified) {
    if (modified == modified_) {
        return;
    }
    modified_ = modified;
    emit modifiedChanged(modified);
}

void LogoDocument::notifyChanged(const QRect &cells) {
    emit changed(cells);
}

void LogoDocument::blankCanvas() {
    preview_.fill(kClearColor);
    view_.fill(kClearColor);
    drawGrid();
    notifyChanged();
}

void LogoDocument::drawGrid() {
    for (int y = 0; y < kViewHeight; y += kCell) {
        auto *line = reinterpret_cast<QRgb *>(view_.scanLine(y));
        std::fill(line, line + kViewWidth, kGridColor);
    }
    for (int y = 0; y < kViewHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(view_.scanLine(y));
        for (int x = 0; x < kViewWidth; x += kCell) {
            line[x] = kGridColor;
        }
    }
}

void LogoDocument::redrawCanvas() {
    for (int py = 0; py < kPreviewHeight; ++py) {
        const auto *src = reinterpret_cast<const QRgb *>(preview_.constScanLine(py));
        for (int dy = 0; dy < kCell; ++dy) {
            auto *dst = reinterpret_cast<QRgb *>(view_.scanLine(py * kCell + dy));
            for (int px = 0; px < kPreviewWidth; ++px) {
                std::fill(dst + px * kCell, dst + px * kCell + kCell, src[px]);
            }
        }
    }
    drawGrid();
    notifyChanged();
}

void LogoDocument::setPixel(int x, int y, QRgb color) {
    if (x < 0 || y < 0 || x >= kPreviewWidth || y >= kPreviewHeight) {
        return;
    }
    color |= 0xFF000000;
    const QRect box = cellBox(x, y);
    for (int vy = box.top(); vy <= box.bottom(); ++vy) {
        auto *line = reinterpret_cast<QRgb *>(view_.scanLine(vy));
        std::fill(line + box.left(), line + box.right() + 1, color);
    }
    preview_.setPixel(x, y, color);
}

QRgb LogoDocument::pixelColor(int x, int y) const {
    const QPoint p = cellReadPoint(x, y);
    if (!view_.rect().contains(p)) {
        return kClearColor;
    }
    return view_.pixel(p);
}

bool LogoDocument::isPixelSet(int x, int y) const {
    return (pixelColor(x, y) & 0x00FFFFFF) == 0;
}

void LogoDocument::clearPreviewOutside(int width, int height) {
    for (int y = 0; y < kPreviewHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(preview_.scanLine(y));
        const int from = y < height ? std::max(width, 0) : 0;
        if (from < kPreviewWidth) {
            std::fill(line + from, line + kPreviewWidth, kClearColor);
        }
    }
}

QPoint logoPixelAt(double viewX, double viewY) {
    return QPoint(static_cast<int>(std::floor(viewX / LogoDocument::kCell)),
                  static_cast<int>(std::floor(viewY / LogoDocument::kCell)));
}

QPoint cellOriginAt(double viewX, double viewY) {
    return logoPixelAt(viewX, viewY) * LogoDocument::kCell;
}

QRect cellBox(int x, int y) {
    return QRect(x * LogoDocument::kCell + 1, y * LogoDocument::kCell + 1, 5, 5);
}

QPoint cellReadPoint(int x, int y) {
    return QPoint(x * LogoDocument::kCell + 3, y * LogoDocument::kCell + 3);
}

}  // namespace glyphsmith
