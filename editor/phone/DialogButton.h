// A push button of the phone windows, placed by hand (pixels in the parent)
// and never taking Enter by default.
#pragma once

#include <QPushButton>
#include <QRect>

namespace glyphsmith {

inline QPushButton *dialogButton(QWidget *parent, const char *name, const char *text,
                                 QRect geometry) {
    auto *b = new QPushButton(QString::fromLatin1(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}

}  // namespace glyphsmith
