#include "capture/LiveScreenSource.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace glyphsmith {

QPoint LiveScreenSource::anchor() const {
    return QCursor::pos();
}

QImage LiveScreenSource::grab(const QRect &region) const {
    QScreen *screen = QGuiApplication::screenAt(region.topLeft());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen || region.isEmpty()) {
        return {};
    }
    // only the part on the screen is read (a read past the edge fails
    // whole); the rest of the region stays black
    const QRect onScreen = region & screen->geometry();
    QImage out(region.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    if (onScreen.isEmpty()) {
        return out;
    }
    const QPoint local = onScreen.topLeft() - screen->geometry().topLeft();
    const QPixmap shot =
        screen->grabWindow(0, local.x(), local.y(), onScreen.width(), onScreen.height());
    if (shot.isNull()) {
        return {};
    }
    QPainter p(&out);
    // a high-DPI grab comes in device pixels: draw it at logical size
    p.drawPixmap(QRect(onScreen.topLeft() - region.topLeft(), onScreen.size()), shot);
    return out;
}

}  // namespace glyphsmith
