#include "phone/FrmSendLogo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "document/LogoDocument.h"
#include "document/LogoKind.h"
#include "phone/RunStep.h"
#include "phone/WaitCursor.h"
#include "phone/DialogButton.h"
#include "shell/MessageService.h"
#include "shell/SharedValues.h"
#include "velkor17/FBLogo.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

FrmSendLogo::FrmSendLogo(VelkorControl *velk, SharedValues &values, MessageService &messages,
                         LogoDocument &doc, const QString &netCode,
                         std::function<void()> canvasToLogo, OpenPhonebook openPhonebook,
                         QWidget *parent)
    : QDialog(parent),
      velk_(velk),
      values_(values),
      messages_(messages),
      doc_(doc),
      netCode_(netCode),
      canvasToLogo_(std::move(canvasToLogo)),
      openPhonebook_(std::move(openPhonebook)) {
    setObjectName(QStringLiteral("frmSendLogo"));
    setWindowTitle(QStringLiteral("Send Logo To Another Phone"));
    setModal(true);
    setFixedSize(360, 168);

    // The whole preview is copied; the box shows only the logo's part of it.
    const LogoKindInfo &kind = logoKindInfo(doc_.kind());
    picReal = new QLabel(this);
    picReal->setObjectName(QStringLiteral("picReal"));
    picReal->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picReal->setPixmap(QPixmap::fromImage(doc_.preview()));
    picReal->setGeometry(12, 12, kind.width, kind.height);

    lblNumber = new QLabel(QStringLiteral("Destination number:"), this);
    lblNumber->setObjectName(QStringLiteral("lblNumber"));
    lblNumber->setGeometry(12, 54, 130, 22);
    txtNumber = new QLineEdit(this);
    txtNumber->setObjectName(QStringLiteral("txtNumber"));
    txtNumber->setGeometry(146, 54, 110, 22);
    lblNumber->setBuddy(txtNumber);
    cmdGetPhoneNum = dialogButton(this, "cmdGetPhoneNum", "PhoneBook", QRect(264, 53, 84, 24));

    lblMessageCntr = new QLabel(QStringLiteral("Messenge Centre:"), this);
    lblMessageCntr->setObjectName(QStringLiteral("lblMessageCntr"));
    lblMessageCntr->setGeometry(12, 86, 130, 22);
    txtMessageCntr = new QLineEdit(this);
    txtMessageCntr->setObjectName(QStringLiteral("txtMessageCntr"));
    txtMessageCntr->setGeometry(146, 86, 110, 22);
    lblMessageCntr->setBuddy(txtMessageCntr);
    cmdGetMessageCntr = dialogButton(this, "cmdGetMessageCntr", "Default", QRect(264, 85, 84, 24));

    cmdSend = dialogButton(this, "cmdSend", "Send Logo", QRect(172, 130, 84, 26));
    cmdSend->setDefault(true);
    cmdCancel = dialogButton(this, "cmdCancel", "Cancel", QRect(264, 130, 84, 26));

    connect(cmdSend, &QPushButton::clicked, this, &FrmSendLogo::cmdSend_Click);
    connect(cmdGetPhoneNum, &QPushButton::clicked, this, &FrmSendLogo::cmdGetPhoneNum_Click);
    connect(cmdGetMessageCntr, &QPushButton::clicked, this,
            &FrmSendLogo::cmdGetMessageCntr_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmSendLogo::cmdCancel_Click);

    txtMessageCntr->setText(phoneMessageCentre(velk_));
    txtNumber->setFocus();
}

void FrmSendLogo::cmdSend_Click() {
    const QString number = txtNumber->text();
    if (number.isEmpty()) {
        return;
    }
    WaitCursor wait;
    FBLogo *logo = nullptr;
    runStep([&] { logo = velk_->Logo(); });
    bool sent = false;
    if (logo) {
        const auto type = static_cast<fbLogoType>(fbLogoTypeForKind(doc_.kind()));
        runStep([&] { logo->setLogoType(type); });
        runStep([&] { doc_.setLogoWidth(logo->Width()); });
        runStep([&] { doc_.setLogoHeight(logo->Height()); });
        if (canvasToLogo_) {
            runStep(canvasToLogo_);
        }
        runStep([&] { logo->setNetCode(netCode_); });
        // a send that throws never reached the phone: LastError would still
        // hold an earlier call's outcome
        sent = runStep([&] { logo->SendAsSMS(number); }) && logo->LastError() == 0;
    }
    wait.restore();
    messages_.information(this, QStringLiteral("Glyphsmith"),
                          sent ? QStringLiteral("SMS message sent")
                               : QStringLiteral("Error sending Logo!"));
}

void FrmSendLogo::cmdGetPhoneNum_Click() {
    pickNumberFromPhonebook(values_, openPhonebook_, this, txtNumber);
}

void FrmSendLogo::cmdGetMessageCntr_Click() {
    showDefaultMessageCentre(values_, velk_, txtMessageCntr);
}

void FrmSendLogo::cmdCancel_Click() {
    reject();  // the send has put the pointer back already
}

}  // namespace glyphsmith
