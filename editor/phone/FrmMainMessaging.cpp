// Sending logos and text messages, the startup text, the phonebook and the
// phone information window, opened from the main window. The windows take
// what they need from here; none of them reaches into the main window.
#include <QLineEdit>

#include "document/LogoKind.h"
#include "phone/FrmPhoneBook.h"
#include "phone/FrmPhoneInfo.h"
#include "phone/FrmSendLogo.h"
#include "phone/FrmSendSms.h"
#include "phone/FrmStartupText.h"
#include "phone/PhoneSession.h"
#include "shell/FrmMain.h"
#include "shell/QtMessageService.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

MessageService &FrmMain::messageService() {
    static QtMessageService onScreen;
    return env_.messages ? *env_.messages : onScreen;
}

bool FrmMain::guardConnection() {
    return phone_->guard();
}

void FrmMain::openPhonebook(QWidget *parent) {
    FrmPhoneBook dialog(Velk, shared_, [this] { return guardConnection(); }, parent);
    dialog.exec();
}

void FrmMain::cmdSendLogo_Click() {
    EnsureConnected();
    if (doc_.kind() == kStartupLogo) {
        messageService().information(this, QStringLiteral("Glyphsmith"),
                                     QStringLiteral("Sorry, Nokia phones cannot send startup logos"));
        return;
    }
    FrmSendLogo dialog(
        Velk, shared_, messageService(), doc_, txtNetCode->text(), [this] { CanvasToLogo(); },
        [this](QWidget *parent) { openPhonebook(parent); }, this);
    dialog.exec();
}

void FrmMain::cmdSendSms_Click() {
    FrmSendSms dialog(
        Velk, shared_, messageService(), [this] { return guardConnection(); },
        [this](QWidget *parent) { openPhonebook(parent); }, this);
    dialog.exec();
}

void FrmMain::cmdStartupText_Click() {
    FrmStartupText dialog(Velk, messageService(), [this] { return guardConnection(); }, this);
    dialog.exec();
}

void FrmMain::cmdPhonebook_Click() {
    openPhonebook(this);
}

void FrmMain::mnuViewInfo_Click() {
    FrmPhoneInfo dialog(Velk, this);
    dialog.exec();
}

}  // namespace glyphsmith
