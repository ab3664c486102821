// Message boxes on screen.
#pragma once

#include "shell/MessageService.h"

namespace glyphsmith {

class QtMessageService : public MessageService {
public:
    void information(QWidget *parent, const QString &title, const QString &text) override;
    bool askYesNo(QWidget *parent, const QString &title, const QString &text) override;
};

}  // namespace glyphsmith
