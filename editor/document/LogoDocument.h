// The logo being edited: the editor state, the 1:1 document picture (the
// preview, 84 x 48 whatever the kind) and the zoomed view (6 view pixels per
// logo pixel, 504 x 288) with the cell rules that tie the two together.
//
// Logo pixel (x, y) is preview pixel (x, y) and owns the view cell from
// (6x, 6y) to (6x + 5, 6y + 5); grid lines lie on every multiple of 6. A
// pixel is written as the 5 x 5 inside of its cell plus its preview pixel
// and read at the cell centre (6x + 3, 6y + 3): set only when exactly black.
//
// Whoever changes pixels tells the listeners by notifyChanged (the bulk
// operations here do it themselves); the modified flag is set through
// setModified so that its listeners hear of it.
#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include "document/LogoKind.h"

namespace glyphsmith {

class LogoDocument : public QObject {
    Q_OBJECT
public:
    static constexpr int kCell = 6;  // view pixels per logo pixel
    static constexpr int kPreviewWidth = 84;
    static constexpr int kPreviewHeight = 48;
    static constexpr int kViewWidth = kPreviewWidth * kCell;    // 504
    static constexpr int kViewHeight = kPreviewHeight * kCell;  // 288
    static constexpr QRgb kClearColor = 0xFFC0FFC0;             // RGB (192, 255, 192)
    static constexpr QRgb kSetColor = 0xFF000000;
    static constexpr QRgb kGridColor = 0xFF404000;  // RGB (64, 64, 0)

    LogoDocument();
    // A copy takes the state and both pictures, not the listeners.
    LogoDocument(const LogoDocument &other);
    LogoDocument &operator=(const LogoDocument &other);

    // Editor state (every loop over the logo runs x < logoWidth(), y < logoHeight()).
    LogoKind kind() const { return kind_; }
    void setKind(LogoKind kind) { kind_ = kind; }
    // Logo size in logo pixels; stored as the engine's 16-bit sizes.
    int logoWidth() const { return width_; }
    int logoHeight() const { return height_; }
    void setLogoSize(int width, int height);
    void setLogoWidth(int width) { width_ = static_cast<qint16>(width); }
    void setLogoHeight(int height) { height_ = static_cast<qint16>(height); }
    // The file the logo was opened from or saved to; empty: untitled.
    const QString &path() const { return path_; }
    void setPath(const QString &path) { path_ = path; }
    bool isModified() const { return modified_; }
    // Sets the modified flag; modifiedChanged when its value changes.
    void setModified(bool modified);
    // Tells the listeners that these logo pixels (preview coordinates)
    // changed in the preview and the view; the whole picture by default.
    void notifyChanged(const QRect &cells = QRect(0, 0, kPreviewWidth, kPreviewHeight));

    // The document picture, logo pixel (x, y) at (x, y).
    const QImage &preview() const { return preview_; }
    QImage &preview() { return preview_; }
    // The zoomed view's persistent image, view pixels.
    const QImage &view() const { return view_; }
    QImage &view() { return view_; }

    // Both pictures cleared to the clear colour, the grid drawn on the view;
    // the listeners are told.
    void blankCanvas();
    // The grid lines over the whole view, in the grid colour.
    void drawGrid();
    // Rebuilds the view from the preview (each preview pixel a solid 6 x 6
    // block, then the grid); the listeners are told.
    void redrawCanvas();
    // Writes logo pixel (x, y) by the cell rule; points outside the preview
    // are ignored.
    void setPixel(int x, int y, QRgb color);
    // The view's colour at the centre of cell (x, y); the clear colour for
    // cells outside the view.
    QRgb pixelColor(int x, int y) const;
    // Whether logo pixel (x, y) is set (its cell centre exactly black).
    bool isPixelSet(int x, int y) const;
    // Paints every preview pixel outside width x height in the clear colour
    // (the view is left as it is).
    void clearPreviewOutside(int width, int height);

signals:
    // Logo pixels (preview coordinates) whose picture changed.
    void changed(const QRect &cells);
    void modifiedChanged(bool modified);

private:
    LogoKind kind_ = kOperatorLogo;
    qint16 width_ = 72;
    qint16 height_ = 14;
    QString path_;
    bool modified_ = false;
    QImage preview_;
    QImage view_;
};

// The logo pixel a view point lies in (each coordinate divided by 6 and
// rounded down, so points left of or above the view give negative pixels).
QPoint logoPixelAt(double viewX, double viewY);
// Top-left corner of the cell a view point lies in.
QPoint cellOriginAt(double viewX, double viewY);
// The 5 x 5 box inside cell (x, y) that a written pixel fills.
QRect cellBox(int x, int y);
// The view point a pixel is read at.
QPoint cellReadPoint(int x, int y);

}  // namespace glyphsmith
