#include "PixelArt.h"

#include <QFont>
#include <QPainter>

namespace glyphsmith::tools {

namespace {

QFont pixelFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

}  // namespace

QImage PixelArtForSize(int width, int height) {
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    if (height == 14) {
        // An operator logo: a mast with waves and the network's name.
        p.drawLine(4, 13, 4, 4);
        p.drawArc(0, 1, 8, 6, 30 * 16, 120 * 16);
        p.drawArc(-2, -1, 12, 10, 40 * 16, 100 * 16);
        p.setFont(pixelFont(11, true));
        p.drawText(QRect(12, 0, width - 12, height), Qt::AlignVCenter, QStringLiteral("GLYPHNET"));
    } else if (height == 28) {
        // A picture message: a smiling face and a greeting.
        p.drawEllipse(2, 2, 23, 23);
        p.drawPoint(9, 10);
        p.drawPoint(17, 10);
        p.drawArc(7, 9, 13, 10, 200 * 16, 140 * 16);
        p.setFont(pixelFont(12, true));
        p.drawText(QRect(30, 2, width - 30, 12), Qt::AlignLeft, QStringLiteral("Hello"));
        p.setFont(pixelFont(9, false));
        p.drawText(QRect(30, 15, width - 30, 12), Qt::AlignLeft, QStringLiteral("from me!"));
    } else {
        // A startup logo: a framed phone and a welcome.
        p.drawRect(0, 0, width - 1, height - 1);
        p.drawRoundedRect(8, 7, 18, 34, 3, 3);
        p.fillRect(11, 11, 12, 10, Qt::black);
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 3; ++c) {
                p.drawPoint(12 + 5 * c, 26 + 4 * r);
            }
        }
        p.setFont(pixelFont(11, true));
        p.drawText(QRect(30, 10, width - 32, 14), Qt::AlignLeft, QStringLiteral("Hello"));
        p.setFont(pixelFont(9, false));
        p.drawText(QRect(30, 26, width - 32, 12), Qt::AlignLeft, QStringLiteral("again"));
    }
    return img;
}

}  // namespace glyphsmith::tools
