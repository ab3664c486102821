#include "shell/FrmBackground.h"

namespace glyphsmith {

FrmBackground::FrmBackground(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmBackground"));
    setWindowTitle(QStringLiteral("Glyphsmith"));
    setAttribute(Qt::WA_QuitOnClose, false);
    hide();
}

}  // namespace glyphsmith
