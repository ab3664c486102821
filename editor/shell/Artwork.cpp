#include "shell/Artwork.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "document/LogoDocument.h"
#include "shell/PixelFont.h"

namespace glyphsmith {

namespace {

const QColor kLcd = QColor::fromRgb(LogoDocument::kClearColor);
const QColor kInk(0, 0, 0);

QPixmap transparentPixmap(int w, int h) {
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

// One key of the keypad: a rounded cap with a label.
void drawKey(QPainter &p, const QRectF &r, const QString &label, const QString &small) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(226, 230, 236));
    g.setColorAt(1, QColor(168, 176, 188));
    p.setPen(QPen(QColor(70, 78, 92), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, 7, 7);
    p.setPen(QColor(30, 36, 46));
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.drawText(r.adjusted(0, -4, 0, 0), Qt::AlignCenter, label);
    f.setPixelSize(6);
    f.setBold(false);
    p.setFont(f);
    p.drawText(r.adjusted(0, 0, 0, -1), Qt::AlignHCenter | Qt::AlignBottom, small);
}

QPixmap paintPhoneBody() {
    QPixmap pm = transparentPixmap(152, 412);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    // body
    QPainterPath body;
    body.addRoundedRect(QRectF(1.5, 1.5, 149, 409), 34, 30);
    QLinearGradient shell(0, 0, 152, 0);
    shell.setColorAt(0.0, QColor(28, 40, 62));
    shell.setColorAt(0.18, QColor(58, 82, 120));
    shell.setColorAt(0.55, QColor(44, 64, 98));
    shell.setColorAt(1.0, QColor(20, 30, 48));
    p.setPen(QPen(QColor(12, 18, 30), 2));
    p.setBrush(shell);
    p.drawPath(body);
    // sheen along the left edge
    QLinearGradient sheen(0, 0, 40, 0);
    sheen.setColorAt(0, QColor(255, 255, 255, 70));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawRoundedRect(QRectF(6, 20, 26, 370), 12, 12);

    // earpiece
    p.setBrush(QColor(14, 20, 32));
    p.drawRoundedRect(QRectF(54, 18, 44, 8), 4, 4);
    p.setPen(QPen(QColor(70, 90, 120), 1));
    for (int x = 60; x <= 92; x += 6) {
        p.drawLine(QPointF(x, 20.5), QPointF(x, 23.5));
    }
    // maker's mark
    p.setPen(QColor(196, 210, 232));
    QFont f = p.font();
    f.setPixelSize(9);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(f);
    p.drawText(QRectF(0, 40, 152, 14), Qt::AlignCenter, QStringLiteral("GLYPHSMITH"));
    // front camera lens and light sensor
    p.setPen(QPen(QColor(90, 110, 140), 1));
    p.setBrush(QColor(8, 12, 20));
    p.drawEllipse(QPointF(76, 74), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 100, 150, 180));
    p.drawEllipse(QPointF(74.5, 72.5), 1.6, 1.6);

    // display bezel and display
    const QRect lcd = Artwork::displayRect();
    QLinearGradient bezel(0, lcd.top() - 6, 0, lcd.bottom() + 6);
    bezel.setColorAt(0, QColor(10, 14, 22));
    bezel.setColorAt(1, QColor(34, 44, 60));
    p.setPen(QPen(QColor(90, 110, 140), 1));
    p.setBrush(bezel);
    p.drawRoundedRect(QRectF(lcd).adjusted(-7, -6, 7, 7), 10, 10);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(lcd, kLcd);
    p.setPen(QColor(150, 200, 150));
    p.drawLine(lcd.topLeft(), lcd.topRight());
    p.drawLine(lcd.topLeft(), lcd.bottomLeft());
    p.setRenderHint(QPainter::Antialiasing);

    // navigation keys under the display
    const qreal navTop = lcd.bottom() + 12;
    p.setPen(QPen(QColor(12, 18, 30), 1));
    QLinearGradient soft(0, navTop, 0, navTop + 22);
    soft.setColorAt(0, QColor(120, 138, 166));
    soft.setColorAt(1, QColor(62, 78, 104));
    p.setBrush(soft);
    p.drawRoundedRect(QRectF(14, navTop, 40, 16), 8, 8);
    p.drawRoundedRect(QRectF(98, navTop, 40, 16), 8, 8);
    QRadialGradient nav(76, navTop + 14, 22);
    nav.setColorAt(0, QColor(200, 212, 230));
    nav.setColorAt(1, QColor(92, 110, 140));
    p.setBrush(nav);
    p.drawEllipse(QPointF(76, navTop + 14), 19, 14);
    p.setBrush(QColor(48, 200, 96));
    p.drawRoundedRect(QRectF(18, navTop + 24, 24, 10), 5, 5);
    p.setBrush(QColor(214, 64, 56));
    p.drawRoundedRect(QRectF(110, navTop + 24, 24, 10), 5, 5);

    // keypad
    static const char *const labels[12] = {"1", "2", "3", "4", "5", "6",
                                           "7", "8", "9", "*", "0", "#"};
    static const char *const letters[12] = {"",     "abc", "def",  "ghi", "jkl", "mno",
                                            "pqrs", "tuv", "wxyz", "+",   "",    ""};
    for (int i = 0; i < 12; ++i) {
        const QRectF key(18 + (i % 3) * 40, 262 + (i / 3) * 30, 36, 24);
        drawKey(p, key, QString::fromLatin1(labels[i]), QString::fromLatin1(letters[i]));
    }
    // microphone
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(12, 18, 30));
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(68 + i * 8, 392), 1.6, 1.6);
    }
    return pm;
}

QPixmap paintSignalBar(bool battery) {
    QPixmap pm(6, 45);
    pm.fill(kLcd);
    QPainter p(&pm);
    // four segments getting shorter downwards, the symbol at the bottom
    for (int i = 0; i < 4; ++i) {
        const int w = 6 - i;
        const int x = battery ? 6 - w : 0;
        p.fillRect(x, i * 9, w, 7, kInk);
    }
    if (battery) {
        p.fillRect(2, 37, 2, 1, kInk);  // terminal
        p.fillRect(1, 38, 4, 7, kInk);
        p.fillRect(2, 39, 2, 2, kLcd);
    } else {
        // antenna: a "Y" over a mast
        p.fillRect(0, 37, 1, 1, kInk);
        p.fillRect(5, 37, 1, 1, kInk);
        p.fillRect(1, 38, 1, 1, kInk);
        p.fillRect(4, 38, 1, 1, kInk);
        p.fillRect(2, 39, 2, 6, kInk);
    }
    return pm;
}

QPixmap paintSoftKeys() {
    QPixmap pm(95, 13);
    pm.fill(kLcd);
    QPainter p(&pm);
    const QString menu = QStringLiteral("Menu");
    const QString names = QStringLiteral("Names");
    PixelFont::drawText(p, QPoint(3, 3), menu, kInk);
    PixelFont::drawText(p, QPoint(95 - 3 - PixelFont::textWidth(names), 3), names, kInk);
    return pm;
}

QPixmap paintConnectionIcon(bool connected) {
    QPixmap pm = transparentPixmap(16, 16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // handset
    p.setPen(QPen(QColor(20, 28, 44), 1));
    p.setBrush(QColor(64, 86, 124));
    p.drawRoundedRect(QRectF(4.5, 1.5, 7, 13), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(connected ? kLcd : QColor(150, 156, 150));
    p.drawRect(QRectF(5.5, 3, 5, 4));
    p.setBrush(QColor(200, 208, 220));
    for (int i = 0; i < 3; ++i) {
        p.drawRect(QRectF(5.5 + i * 1.8, 9, 1.2, 1.2));
        p.drawRect(QRectF(5.5 + i * 1.8, 11.2, 1.2, 1.2));
    }
    if (connected) {
        // radio waves
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(20, 150, 60), 1.4));
        p.drawArc(QRectF(9, 1, 6, 6), -60 * 16, 120 * 16);
        p.drawArc(QRectF(8, -1, 9, 10), -50 * 16, 100 * 16);
    } else {
        p.setPen(QPen(QColor(210, 40, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9.5, 9.5), QPointF(14.5, 14.5));
        p.drawLine(QPointF(14.5, 9.5), QPointF(9.5, 14.5));
    }
    return pm;
}

// The logo the splash phone shows, on the startup logo's 84 x 48 pixels: the
// clock, a large "G" and the soft-key caption, in the phone's pixel font.
QImage splashLogo() {
    QImage img(84, 48, QImage::Format_RGB32);
    img.fill(kLcd);
    QPainter p(&img);
    PixelFont::drawText(p, QPoint(58, 1), QStringLiteral("12:00"), kInk);
    PixelFont::drawText(p, QPoint(30, 6), QStringLiteral("G"), kInk, 5);
    return img;
}

// A strip of the zoomed grid with the program's name drawn on it.
void drawNameStrip(QPainter &p, const QRect &strip) {
    constexpr int kScale = 4;
    const QString word = QStringLiteral("Glyphsmith");
    p.fillRect(strip, kLcd);
    // the text on whole cells of the grid
    const int left =
        strip.left() + (strip.width() / kScale - PixelFont::textWidth(word)) / 2 * kScale;
    const int top = strip.top() + (strip.height() / kScale - PixelFont::kHeight) / 2 * kScale;
    PixelFont::drawText(p, QPoint(left, top), word, kInk, kScale);
    p.setPen(QColor::fromRgb(LogoDocument::kGridColor));
    for (int x = strip.left(); x <= strip.right(); x += kScale) {
        p.drawLine(x, strip.top(), x, strip.bottom());
    }
    for (int y = strip.top(); y <= strip.bottom(); y += kScale) {
        p.drawLine(strip.left(), y, strip.right(), y);
    }
}

QPixmap paintSplash() {
    QPixmap pm(492, 269);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, 269);
    bg.setColorAt(0, QColor(24, 44, 74));
    bg.setColorAt(1, QColor(8, 16, 30));
    p.fillRect(pm.rect(), bg);
    // the zoomed grid motif in the background
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int x = 180; x < 492; x += 12) {
        p.drawLine(x, 0, x, 269);
    }
    for (int y = 0; y < 269; y += 12) {
        p.drawLine(180, y, 492, y);
    }

    // the phone, its display showing the program's name
    const QPixmap phone = Artwork::phoneBody();
    const QRect lcd = Artwork::displayRect();
    p.save();
    p.translate(34, 8);
    p.scale(0.62, 0.62);
    p.drawPixmap(0, 0, phone);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRectF screen(lcd.left() + 12, lcd.top() + 21, 84, 48);
    p.drawImage(screen, splashLogo());
    p.restore();
    p.setRenderHint(QPainter::Antialiasing, false);
    drawNameStrip(p, QRect(172, 152, 289, 45));
    p.setRenderHint(QPainter::Antialiasing);

    // name, line and notice
    p.setPen(QColor(192, 255, 192));
    QFont title = p.font();
    title.setPixelSize(44);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(170, 36, 310, 56), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Glyphsmith"));
    QFont sub = p.font();
    sub.setPixelSize(15);
    sub.setBold(false);
    p.setFont(sub);
    p.setPen(QColor(220, 230, 245));
    p.drawText(QRect(172, 96, 310, 22), Qt::AlignLeft,
               QStringLiteral("Logos and ring tones for your phone"));
    p.fillRect(QRect(172, 124, 290, 2), QColor(192, 255, 192, 160));
    QFont small = p.font();
    small.setPixelSize(11);
    p.setFont(small);
    p.setPen(QColor(170, 186, 210));
    p.drawText(QRect(172, 134, 300, 40), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Version %1")
                   .arg(QCoreApplication::applicationVersion().isEmpty()
                            ? QStringLiteral("0.1")
                            : QCoreApplication::applicationVersion()));
    p.drawText(QRect(172, 206, 300, 50), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Free software: you may share and change it under the GNU "
                              "General Public License, version 3 or later. It comes with no "
                              "warranty."));
    p.setPen(QColor(255, 255, 255, 40));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    return pm;
}

QPixmap paintWindowIcon(int size) {
    QPixmap pm = transparentPixmap(size, size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(12, 18, 30), 1));
    QLinearGradient g(0, 0, 32, 0);
    g.setColorAt(0, QColor(58, 82, 120));
    g.setColorAt(1, QColor(24, 36, 56));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(7.5, 1.5, 17, 29), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(kLcd);
    p.drawRect(QRectF(10, 6, 12, 10));
    p.setBrush(kInk);
    // a tiny logo on the display
    static const char *const rows[] = {"..##..", ".#..#.", "#.....", "#..##.", ".#..#.", "..##.."};
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            if (rows[y][x] == '#') {
                p.drawRect(QRectF(11.5 + x * 1.5, 7 + y * 1.4, 1.5, 1.4));
            }
        }
    }
    p.setBrush(QColor(200, 208, 220));
    for (int i = 0; i < 9; ++i) {
        p.drawRoundedRect(QRectF(10.5 + (i % 3) * 4, 19 + (i / 3) * 3.5, 3, 2.2), 1, 1);
    }
    return pm;
}

}  // namespace

QRect Artwork::displayRect() {
    return QRect(22, 106, 108, 90);
}

// Pictures are kept as images: a pixmap must not outlive the application.
QPixmap Artwork::phoneBody() {
    static const QImage img = paintPhoneBody().toImage();
    return QPixmap::fromImage(img);
}

QPixmap Artwork::signalBar() {
    static const QImage img = paintSignalBar(false).toImage();
    return QPixmap::fromImage(img);
}

QPixmap Artwork::batteryBar() {
    static const QImage img = paintSignalBar(true).toImage();
    return QPixmap::fromImage(img);
}

QPixmap Artwork::softKeyCaptions() {
    static const QImage img = paintSoftKeys().toImage();
    return QPixmap::fromImage(img);
}

QPixmap Artwork::connectionIcon(int id) {
    static const QImage off = paintConnectionIcon(false).toImage();
    static const QImage on = paintConnectionIcon(true).toImage();
    return QPixmap::fromImage(id == 102 ? on : off);
}

QPixmap Artwork::splash() {
    static const QImage img = paintSplash().toImage();
    return QPixmap::fromImage(img);
}

QIcon Artwork::windowIcon() {
    QIcon icon;
    for (int s : {16, 24, 32, 48, 64}) {
        icon.addPixmap(paintWindowIcon(s));
    }
    return icon;
}

}  // namespace glyphsmith
