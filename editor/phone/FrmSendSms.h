// "Send SMS": a text message of at most 160 characters through the
// control's SMS object, as a flash message and with a delivery report when
// asked. A counter under the text tells the room left; text with characters
// outside the GSM 7-bit alphabet goes as Unicode. Modal, created afresh for
// every showing; it closes only after a successful send.
#pragma once

#include <QDialog>

#include "phone/SendTargetFields.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class VelkorControl;

namespace glyphsmith {

class MessageService;
struct SharedValues;

class FrmSendSms : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 160;  // characters of the message box

    // Runs `guard` first, then reads the message centre from the phone.
    FrmSendSms(VelkorControl *velk, SharedValues &values, MessageService &messages,
               const ConnectionGuard &guard, OpenPhonebook openPhonebook,
               QWidget *parent = nullptr);

    void cmdSend_Click();
    void cmdGetPhoneNum_Click();
    void cmdGetMessageCntr_Click();
    void cmdCancel_Click();

    QLabel *lblNumber = nullptr;
    QLineEdit *txtNumber = nullptr;
    QLabel *lblMessageCntr = nullptr;
    QLineEdit *txtMessageCntr = nullptr;
    QPlainTextEdit *txtMessage = nullptr;
    QLabel *lblCharsLeft = nullptr;
    QCheckBox *chkFlash = nullptr;
    QCheckBox *chkDelivery = nullptr;
    QPushButton *cmdGetPhoneNum = nullptr;
    QPushButton *cmdGetMessageCntr = nullptr;
    QPushButton *cmdSend = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    // Refreshes the counter.
    void txtMessage_Change();

    VelkorControl *velk_;
    SharedValues &values_;
    MessageService &messages_;
    OpenPhonebook openPhonebook_;
};

}  // namespace glyphsmith
