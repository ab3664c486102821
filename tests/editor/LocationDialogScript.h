// A ModalScript step that answers the logo location dialogs.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "FileDialogScript.h"
#include "phone/FrmInputIndex.h"
#include "phone/FrmPicIndex.h"

namespace glyphsmith::test {

// Types `number` (and, in the picture dialog, `text`) into the next location
// dialog and presses OK.
inline ModalScript::Step answerLocation(const QString &number, const QString &text = QString()) {
    return [number, text](QWidget *modal) {
        if (auto *down = qobject_cast<FrmInputIndex *>(modal)) {
            down->txtIndex->setText(number);
            down->cmdOK->click();
        } else if (auto *up = qobject_cast<FrmPicIndex *>(modal)) {
            up->txtIndex->setText(number);
            up->txtPicInfo->setPlainText(text);
            up->cmdOK->click();
        } else {
            ADD_FAILURE() << "expected a location dialog, got " << modal->metaObject()->className();
            static_cast<QDialog *>(modal)->reject();
        }
    };
}

}  // namespace glyphsmith::test
