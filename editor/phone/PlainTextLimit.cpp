#include "phone/PlainTextLimit.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <algorithm>

namespace glyphsmith {

void limitPlainText(QPlainTextEdit *edit, int maxLength) {
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, maxLength] {
        QString text = edit->toPlainText();
        if (text.size() <= maxLength) {
            return;
        }
        const int position = edit->textCursor().position();
        text.truncate(maxLength);
        if (!text.isEmpty() && text.back().isHighSurrogate()) {
            text.chop(1);
        }
        const QSignalBlocker block(edit);
        edit->setPlainText(text);
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(std::min(position, int(text.size())));
        edit->setTextCursor(cursor);
    });
}

}  // namespace glyphsmith
