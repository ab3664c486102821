// The program's first window: never shown, it carries the application's
// title.
#pragma once

#include <QWidget>

namespace glyphsmith {

class FrmBackground : public QWidget {
    Q_OBJECT
public:
    explicit FrmBackground(QWidget *parent = nullptr);
};

}  // namespace glyphsmith
