#include "shell/PixelTextLabel.h"

#include <QPainter>

#include "shell/PixelFont.h"

namespace glyphsmith {

PixelTextLabel::PixelTextLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {}

void PixelTextLabel::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    const int top = (height() - PixelFont::kHeight) / 2;
    PixelFont::drawText(p, QPoint(1, std::max(top, 0)), text(), Qt::black);
}

}  // namespace glyphsmith
