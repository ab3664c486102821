// The message boxes the program shows, behind an interface so that tests can
// answer them.
#pragma once

#include <QString>

class QWidget;

namespace glyphsmith {

class MessageService {
public:
    virtual ~MessageService() = default;
    // A message with an OK button.
    virtual void information(QWidget *parent, const QString &title, const QString &text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text) = 0;
};

}  // namespace glyphsmith
