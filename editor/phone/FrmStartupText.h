// "Enter Startup Message": replaces the text the phone shows when it is
// switched on. Modal, created afresh for every showing; it closes after a
// change and stays open when the change failed.
#pragma once

#include <QDialog>

#include "phone/SendTargetFields.h"

class QLabel;
class QLineEdit;
class QPushButton;
class VelkorControl;

namespace glyphsmith {

class MessageService;

class FrmStartupText : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 40;  // characters the phone keeps

    FrmStartupText(VelkorControl *velk, MessageService &messages, ConnectionGuard guard,
                   QWidget *parent = nullptr);

    // Runs the guard, then sets the text. A link still down afterwards counts
    // as a failure: the phone cannot have taken the text.
    void cmdOK_Click();
    void cmdCancel_Click();

    QLabel *lblStartupText = nullptr;
    QLineEdit *txtStartupText = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    VelkorControl *velk_;
    MessageService &messages_;
    ConnectionGuard guard_;
};

}  // namespace glyphsmith
