#include "phone/FrmSendSms.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "phone/PlainTextLimit.h"
#include "phone/RunStep.h"
#include "phone/SmsLength.h"
#include "phone/DialogButton.h"
#include "shell/MessageService.h"
#include "shell/SharedValues.h"
#include "velkor17/FBSms.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

namespace {


QLineEdit *field(QWidget *parent, const char *name, const char *label, const char *labelName,
                 int y) {
    auto *l = new QLabel(QString::fromLatin1(label), parent);
    l->setObjectName(QString::fromLatin1(labelName));
    l->setGeometry(12, y, 130, 22);
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(146, y, 140, 22);
    l->setBuddy(edit);
    return edit;
}

}  // namespace

FrmSendSms::FrmSendSms(VelkorControl *velk, SharedValues &values, MessageService &messages,
                       const ConnectionGuard &guard, OpenPhonebook openPhonebook, QWidget *parent)
    : QDialog(parent),
      velk_(velk),
      values_(values),
      messages_(messages),
      openPhonebook_(std::move(openPhonebook)) {
    setObjectName(QStringLiteral("frmSendSms"));
    setWindowTitle(QStringLiteral("Send SMS"));
    setModal(true);
    setFixedSize(392, 300);

    txtNumber = field(this, "txtNumber", "Destination number:", "lblNumber", 12);
    lblNumber = findChild<QLabel *>(QStringLiteral("lblNumber"));
    cmdGetPhoneNum = dialogButton(this, "cmdGetPhoneNum", "PhoneBook", QRect(296, 11, 84, 24));
    txtMessageCntr = field(this, "txtMessageCntr", "Messenge Centre:", "lblMessageCntr", 44);
    lblMessageCntr = findChild<QLabel *>(QStringLiteral("lblMessageCntr"));
    txtMessageCntr->setText(QStringLiteral("+"));
    cmdGetMessageCntr = dialogButton(this, "cmdGetMessageCntr", "Default", QRect(296, 43, 84, 24));

    txtMessage = new QPlainTextEdit(QStringLiteral("Enter message here"), this);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setGeometry(12, 78, 368, 100);
    txtMessage->setTabChangesFocus(true);
    lblCharsLeft = new QLabel(this);
    lblCharsLeft->setObjectName(QStringLiteral("lblCharsLeft"));
    lblCharsLeft->setGeometry(12, 180, 368, 20);
    lblCharsLeft->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    chkFlash = new QCheckBox(QStringLiteral("Flash message"), this);
    chkFlash->setObjectName(QStringLiteral("chkFlash"));
    chkFlash->setGeometry(12, 204, 360, 22);
    chkDelivery = new QCheckBox(QStringLiteral("Request delivery notification"), this);
    chkDelivery->setObjectName(QStringLiteral("chkDelivery"));
    chkDelivery->setGeometry(12, 228, 360, 22);

    cmdSend = dialogButton(this, "cmdSend", "Send SMS", QRect(204, 262, 84, 26));
    cmdSend->setDefault(true);
    cmdCancel = dialogButton(this, "cmdCancel", "Cancel", QRect(296, 262, 84, 26));

    limitPlainText(txtMessage, kMaxLength);
    connect(txtMessage, &QPlainTextEdit::textChanged, this, &FrmSendSms::txtMessage_Change);
    connect(cmdSend, &QPushButton::clicked, this, &FrmSendSms::cmdSend_Click);
    connect(cmdGetPhoneNum, &QPushButton::clicked, this, &FrmSendSms::cmdGetPhoneNum_Click);
    connect(cmdGetMessageCntr, &QPushButton::clicked, this, &FrmSendSms::cmdGetMessageCntr_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmSendSms::cmdCancel_Click);
    txtMessage_Change();

    if (guard) {
        guard();
    }
    txtMessageCntr->setText(phoneMessageCentre(velk_));
    txtNumber->setFocus();
}

void FrmSendSms::txtMessage_Change() {
    lblCharsLeft->setText(smsLengthText(smsLength(txtMessage->toPlainText())));
}

void FrmSendSms::cmdSend_Click() {
    const fbSmsClass smsClass = chkFlash->isChecked() ? fbSmsClassFlash : fbSmsClassNormal;
    const bool report = chkDelivery->isChecked();
    const QString number = txtNumber->text();
    const QString text = txtMessage->toPlainText();
    bool ok = false;
    runStep([&] {
        FBSms *sms = velk_->SMS();
        // 8-bit text would lose what the GSM alphabet lacks
        ok = isGsm7Text(text) ? sms->SendMessage(number, text, smsClass, report)
                              : sms->SendUnicode(number, text, smsClass, report);
    });
    if (!ok) {
        messages_.information(this, QStringLiteral("Glyphsmith"),
                              QStringLiteral("SMS message send failure"));
        return;
    }
    messages_.information(this, QStringLiteral("Glyphsmith"), QStringLiteral("SMS message sent"));
    accept();
}

void FrmSendSms::cmdGetPhoneNum_Click() {
    pickNumberFromPhonebook(values_, openPhonebook_, this, txtNumber);
}

void FrmSendSms::cmdGetMessageCntr_Click() {
    showDefaultMessageCentre(values_, velk_, txtMessageCntr);
}

void FrmSendSms::cmdCancel_Click() {
    reject();
}

}  // namespace glyphsmith
