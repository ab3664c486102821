#include "shell/ButtonIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace glyphsmith {

namespace {

const QColor kInk(28, 34, 44);
const QColor kPaper(250, 250, 246);
const QColor kBlue(52, 104, 196);
const QColor kGreen(40, 150, 70);
const QColor kLcd(192, 255, 192);
const QColor kYellow(240, 196, 64);

QPen pen(const QColor &c, qreal w = 1.3) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// An arrow from `from` to `to` with a filled head.
void arrow(QPainter &p, QPointF from, QPointF to, const QColor &c) {
    p.setPen(pen(c, 2.0));
    p.drawLine(from, to);
    QLineF l(to, from);
    l.setLength(5);
    QLineF a = l;
    a.setAngle(l.angle() + 35);
    QLineF b = l;
    b.setAngle(l.angle() - 35);
    p.setPen(pen(c, 1));
    p.setBrush(c);
    p.drawPolygon(QPolygonF({to, a.p2(), b.p2()}));
}

void handset(QPainter &p, QRectF r) {
    p.setPen(pen(kInk, 1));
    p.setBrush(QColor(70, 94, 134));
    p.drawRoundedRect(r, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kLcd);
    p.drawRect(QRectF(r.left() + 1.5, r.top() + 2, r.width() - 3, r.height() * 0.35));
}

void envelope(QPainter &p, QRectF r) {
    p.setPen(pen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
    p.drawPolyline(
        QPolygonF({r.topLeft(), QPointF(r.center().x(), r.center().y() + 1), r.topRight()}));
}

void page(QPainter &p) {
    QPainterPath path;
    path.moveTo(4.5, 1.5);
    path.lineTo(12.5, 1.5);
    path.lineTo(16.5, 5.5);
    path.lineTo(16.5, 18.5);
    path.lineTo(4.5, 18.5);
    path.closeSubpath();
    p.setPen(pen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawPolyline(QPolygonF({QPointF(12.5, 1.5), QPointF(12.5, 5.5), QPointF(16.5, 5.5)}));
}

void paintIcon(QPainter &p, ButtonIcon which) {
    switch (which) {
        case ButtonIcon::New:
            page(p);
            p.setPen(Qt::NoPen);
            p.setBrush(kYellow);
            p.drawEllipse(QPointF(15, 15), 3.5, 3.5);
            break;
        case ButtonIcon::Open:
            p.setPen(pen(kInk, 1));
            p.setBrush(QColor(222, 176, 72));
            p.drawPolygon(QPolygonF({QPointF(1.5, 5.5), QPointF(7.5, 5.5), QPointF(9.5, 7.5),
                                     QPointF(17.5, 7.5), QPointF(17.5, 16.5), QPointF(1.5, 16.5)}));
            p.setBrush(kYellow);
            p.drawPolygon(QPolygonF({QPointF(4.5, 10.5), QPointF(19.5, 10.5), QPointF(17.5, 16.5),
                                     QPointF(1.5, 16.5)}));
            break;
        case ButtonIcon::Save:
            p.setPen(pen(kInk, 1));
            p.setBrush(kBlue);
            p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 1.5, 1.5);
            p.setBrush(kPaper);
            p.drawRect(QRectF(5.5, 2.5, 9, 6));
            p.setBrush(QColor(210, 216, 226));
            p.drawRect(QRectF(5.5, 11.5, 9, 6));
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawRect(QRectF(11, 3.5, 2, 4));
            break;
        case ButtonIcon::Undo: {
            QPainterPath path;
            path.moveTo(6, 8);
            path.cubicTo(10, 3, 18, 5, 16.5, 12);
            path.cubicTo(15.5, 16, 11, 17, 8, 16);
            p.setPen(pen(kBlue, 2.2));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
            p.setPen(Qt::NoPen);
            p.setBrush(kBlue);
            p.drawPolygon(QPolygonF({QPointF(2, 4), QPointF(9, 5), QPointF(3.5, 11)}));
            break;
        }
        case ButtonIcon::Download:
            handset(p, QRectF(1.5, 1.5, 7, 15));
            p.setPen(pen(kInk, 1));
            p.setBrush(kPaper);
            p.drawRect(QRectF(12.5, 9.5, 6, 8));
            arrow(p, QPointF(9, 5), QPointF(16, 9), kGreen);
            break;
        case ButtonIcon::Upload:
            handset(p, QRectF(11.5, 1.5, 7, 15));
            p.setPen(pen(kInk, 1));
            p.setBrush(kPaper);
            p.drawRect(QRectF(1.5, 9.5, 6, 8));
            arrow(p, QPointF(4, 8), QPointF(11, 4), kBlue);
            break;
        case ButtonIcon::SendLogo:
            envelope(p, QRectF(1.5, 5.5, 13, 10));
            p.setPen(Qt::NoPen);
            p.setBrush(kLcd);
            p.drawRect(QRectF(10, 10, 9, 8));
            p.setBrush(kInk);
            p.drawRect(QRectF(11, 13, 2, 3));
            p.drawRect(QRectF(14, 11, 2, 5));
            p.drawRect(QRectF(17, 14, 1.5, 2));
            break;
        case ButtonIcon::SendSms:
            envelope(p, QRectF(1.5, 4.5, 17, 12));
            break;
        case ButtonIcon::StartupText: {
            handset(p, QRectF(5.5, 1.5, 9, 17));
            QFont f = p.font();
            f.setPixelSize(6);
            f.setBold(true);
            p.setFont(f);
            p.setPen(kInk);
            p.drawText(QRectF(6.5, 3, 7, 6), Qt::AlignCenter, QStringLiteral("Hi"));
            break;
        }
        case ButtonIcon::Phonebook:
            p.setPen(pen(kInk, 1));
            p.setBrush(QColor(176, 60, 52));
            p.drawRoundedRect(QRectF(3.5, 1.5, 13, 17), 1.5, 1.5);
            p.setBrush(kPaper);
            p.drawRect(QRectF(6.5, 4.5, 8, 4));
            p.setPen(pen(kPaper, 1));
            p.drawLine(QPointF(5, 11.5), QPointF(15, 11.5));
            p.drawLine(QPointF(5, 14.5), QPointF(15, 14.5));
            break;
        case ButtonIcon::Ringtones:
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawEllipse(QPointF(5.5, 15), 3, 2.4);
            p.drawEllipse(QPointF(14.5, 13), 3, 2.4);
            p.setPen(pen(kInk, 1.6));
            p.drawLine(QPointF(8.2, 15), QPointF(8.2, 4));
            p.drawLine(QPointF(17.2, 13), QPointF(17.2, 2));
            p.setPen(pen(kInk, 2.6));
            p.drawLine(QPointF(8.2, 4), QPointF(17.2, 2));
            break;
        case ButtonIcon::Snap:
            p.setPen(pen(kInk, 1));
            p.setBrush(QColor(96, 104, 118));
            p.drawRoundedRect(QRectF(1.5, 5.5, 17, 12), 2, 2);
            p.drawRect(QRectF(6.5, 3.5, 7, 2));
            p.setBrush(QColor(170, 210, 255));
            p.drawEllipse(QPointF(10, 11.5), 4, 4);
            p.setBrush(kYellow);
            p.setPen(Qt::NoPen);
            p.drawRect(QRectF(14.5, 7, 2.5, 1.5));
            break;
        case ButtonIcon::Reset: {
            p.setPen(pen(kGreen, 2.2));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(3, 3, 14, 14), 120 * 16, 300 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(kGreen);
            p.drawPolygon(QPolygonF({QPointF(1.5, 2), QPointF(9, 3), QPointF(3.5, 9)}));
            break;
        }
        case ButtonIcon::Selector:
            p.setPen(QPen(kInk, 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(2.5, 3.5, 14, 12));
            p.setPen(pen(kInk, 1));
            p.setBrush(kPaper);
            p.drawPolygon(
                QPolygonF({QPointF(11, 9), QPointF(11, 19), QPointF(13.5, 16.5), QPointF(16, 19.5),
                           QPointF(17.5, 18.5), QPointF(15, 15.5), QPointF(18.5, 15)}));
            break;
        case ButtonIcon::Pencil:
            p.setPen(pen(kInk, 1));
            p.setBrush(kYellow);
            p.drawPolygon(
                QPolygonF({QPointF(14, 2), QPointF(18, 6), QPointF(7, 17), QPointF(3, 13)}));
            p.setBrush(QColor(236, 200, 160));
            p.drawPolygon(QPolygonF({QPointF(3, 13), QPointF(7, 17), QPointF(1.5, 18.5)}));
            p.setBrush(QColor(232, 120, 130));
            p.drawPolygon(
                QPolygonF({QPointF(14, 2), QPointF(18, 6), QPointF(19, 5), QPointF(15, 1)}));
            break;
        case ButtonIcon::Eraser:
            p.setPen(pen(kInk, 1));
            p.setBrush(QColor(236, 120, 140));
            p.drawPolygon(
                QPolygonF({QPointF(11, 3), QPointF(18, 10), QPointF(12, 16), QPointF(5, 9)}));
            p.setBrush(kPaper);
            p.drawPolygon(
                QPolygonF({QPointF(5, 9), QPointF(12, 16), QPointF(9, 19), QPointF(2, 12)}));
            break;
        case ButtonIcon::Fill:
            p.setPen(pen(kInk, 1));
            p.setBrush(QColor(200, 206, 216));
            p.drawPolygon(
                QPolygonF({QPointF(9, 2), QPointF(17, 10), QPointF(10, 17), QPointF(2, 9)}));
            p.setPen(Qt::NoPen);
            p.setBrush(kBlue);
            p.drawEllipse(QPointF(17.5, 15.5), 2, 3);
            p.drawRect(QRectF(3, 9, 14, 1.5));
            break;
        case ButtonIcon::Line:
            p.setPen(pen(kInk, 2.2));
            p.drawLine(QPointF(3, 17), QPointF(17, 3));
            break;
        case ButtonIcon::FullBox:
            p.setPen(pen(kInk, 1));
            p.setBrush(kInk);
            p.drawRect(QRectF(3.5, 4.5, 13, 11));
            break;
        case ButtonIcon::EmptyBox:
            p.setPen(pen(kInk, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(4, 5, 12, 10));
            break;
        case ButtonIcon::FullCircle:
            p.setPen(pen(kInk, 1));
            p.setBrush(kInk);
            p.drawEllipse(QPointF(10, 10), 7.5, 6);
            break;
        case ButtonIcon::EmptyCircle:
            p.setPen(pen(kInk, 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(10, 10), 7, 5.5);
            break;
        case ButtonIcon::Text: {
            QFont f = p.font();
            f.setPixelSize(17);
            f.setBold(true);
            f.setFamily(QStringLiteral("Serif"));
            p.setFont(f);
            p.setPen(kInk);
            p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, QStringLiteral("A"));
            break;
        }
        case ButtonIcon::FlipVertical:
            p.setPen(QPen(kInk, 1, Qt::DotLine));
            p.drawLine(QPointF(2, 10), QPointF(18, 10));
            arrow(p, QPointF(10, 8), QPointF(10, 1.5), kBlue);
            arrow(p, QPointF(10, 12), QPointF(10, 18.5), kBlue);
            break;
        case ButtonIcon::FlipHorizontal:
            p.setPen(QPen(kInk, 1, Qt::DotLine));
            p.drawLine(QPointF(10, 2), QPointF(10, 18));
            arrow(p, QPointF(8, 10), QPointF(1.5, 10), kBlue);
            arrow(p, QPointF(12, 10), QPointF(18.5, 10), kBlue);
            break;
        case ButtonIcon::Inverse:
            p.setPen(pen(kInk, 1));
            p.setBrush(kLcd);
            p.drawRect(QRectF(2.5, 2.5, 15, 15));
            p.setBrush(kInk);
            p.drawPolygon(QPolygonF({QPointF(2.5, 2.5), QPointF(17.5, 2.5), QPointF(2.5, 17.5)}));
            break;
    }
}

}  // namespace

QIcon ButtonIcons::icon(ButtonIcon which) {
    QIcon icon;
    for (const qreal scale : {1.0, 2.0}) {
        QPixmap pm(QSize(kSize, kSize) * scale);
        pm.setDevicePixelRatio(scale);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        paintIcon(p, which);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

}  // namespace glyphsmith
