#include "tools/ToolCursors.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include "shell/ButtonIcons.h"

namespace glyphsmith {

namespace {

constexpr int kSize = 24;
constexpr char kHotSpotProperty[] = "glyphsmithHotSpot";

QPixmap blank() {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    return pm;
}

QPixmap fromIcon(ButtonIcon icon) {
    QPixmap pm = blank();
    QPainter p(&pm);
    p.drawPixmap(0, 0, ButtonIcons::icon(icon).pixmap(QSize(20, 20)));
    return pm;
}

QPixmap letter() {
    QPixmap pm = blank();
    QPainter p(&pm);
    // corner mark on the hot spot: the text's top-left goes there
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(0, 0, 5, 0);
    p.drawLine(0, 0, 0, 5);
    QFont f = p.font();
    f.setPixelSize(16);
    f.setBold(true);
    p.setFont(f);
    p.setRenderHint(QPainter::TextAntialiasing);
    QPainterPath path;
    path.addText(QPointF(5, 19), f, QStringLiteral("A"));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2));
    p.drawPath(path);
    p.fillPath(path, Qt::black);
    return pm;
}

QPixmap hand() {
    QPixmap pm = blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    // four fingers, a thumb and the palm
    for (int i = 0; i < 4; ++i) {
        p.drawRoundedRect(QRectF(6.5 + 3 * i, 3.5 + (i == 0 || i == 3 ? 2 : 0), 3, 10), 1.5, 1.5);
    }
    p.drawRoundedRect(QRectF(2.5, 10.5, 4, 7), 2, 2);
    p.drawRoundedRect(QRectF(5.5, 10.5, 13, 10), 3, 3);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(6.2, 10, 12, 3));
    return pm;
}

}  // namespace

QPixmap ToolCursors::pixmap(Image image) {
    switch (image) {
        case Pencil:
            return fromIcon(ButtonIcon::Pencil);
        case Eraser:
            return fromIcon(ButtonIcon::Eraser);
        case Flood:
            return fromIcon(ButtonIcon::Fill);
        case Letter:
            return letter();
        case Hand:
            return hand();
    }
    return blank();
}

QPoint ToolCursors::hotSpot(Image image) {
    switch (image) {
        case Pencil:
            return QPoint(1, 18);  // the pencil's tip
        case Eraser:
            return QPoint(5, 16);  // middle of the rubbing face
        case Flood:
            return QPoint(17, 18);  // the drop of paint
        case Letter:
            return QPoint(0, 0);
        case Hand:
            return QPoint(12, 12);
    }
    return QPoint(0, 0);
}

QLabel *ToolCursors::makePictureBox(QWidget *parent, const char *name, Image image) {
    auto *box = new QLabel(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setPixmap(pixmap(image));
    box->setProperty(kHotSpotProperty, hotSpot(image));
    box->resize(kSize, kSize);
    box->hide();
    return box;
}

QCursor ToolCursors::cursorOf(const QLabel *pictureBox) {
    if (!pictureBox || pictureBox->pixmap().isNull()) {
        return QCursor(Qt::ArrowCursor);
    }
    const QPoint hot = pictureBox->property(kHotSpotProperty).toPoint();
    return QCursor(pictureBox->pixmap(), hot.x(), hot.y());
}

}  // namespace glyphsmith
