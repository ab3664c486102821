#include "shell/QtMessageService.h"

#include <QMessageBox>

namespace glyphsmith {

void QtMessageService::information(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

bool QtMessageService::askYesNo(QWidget *parent, const QString &title, const QString &text) {
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace glyphsmith
