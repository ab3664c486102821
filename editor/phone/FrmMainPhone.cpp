// The main window's phone link: the session and transfer behind the status
// bar and the transfer buttons, the phone restart and the clock.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <exception>

#include "canvas/ZoomView.h"
#include "files/LogoFileController.h"
#include "phone/LogoTransfer.h"
#include "phone/PhoneSession.h"
#include "shell/Artwork.h"
#include "shell/FrmMain.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

void FrmMain::buildPhoneLink() {
    phone_ = std::make_unique<PhoneSession>(*Velk, env_, doc_);
    connect(phone_.get(), &PhoneSession::connecting, this,
            [this](bool running) { running ? enterHandler() : leaveHandler(); });
    connect(phone_.get(), &PhoneSession::busy, this, &FrmMain::setHourglass);
    connect(phone_.get(), &PhoneSession::statusText, txtStat1, &QLineEdit::setText);
    connect(phone_.get(), &PhoneSession::linkIcon, this, &FrmMain::setConnectionIcon);
    connect(phone_.get(), &PhoneSession::transfersEnabled, this, [this](bool on) {
        cmdUpload->setEnabled(on);
        cmdDownload->setEnabled(on);
    });
    connect(phone_.get(), &PhoneSession::phoneNamed, this,
            [this](const QString &network, const QString &model) {
                txtStat3->setText(network);
                txtStat3->setCursorPosition(0);
                txtStat2->setText(model);
                txtStat2->setCursorPosition(0);
            });
    connect(phone_.get(), &PhoneSession::linkLost, this, [this] {
        for (QWidget *w : std::initializer_list<QWidget *>{optOperator, optCallerGroup, optPicture,
                                                           optStartup, cmdRingtones}) {
            w->setEnabled(true);
        }
    });

    transfer_ = std::make_unique<LogoTransfer>(*Velk, *phone_, doc_, *files_, shared_, this);
    connect(transfer_.get(), &LogoTransfer::statusText, txtStat1, &QLineEdit::setText);
    connect(transfer_.get(), &LogoTransfer::busy, this, &FrmMain::setHourglass);
    connect(transfer_.get(), &LogoTransfer::replacingDocument, this, [this] {
        clearDocument();
        picContainer->setFocus();
    });
    connect(transfer_.get(), &LogoTransfer::netCodeDownloaded, txtNetCode, &QLineEdit::setText);
    connect(transfer_.get(), &LogoTransfer::logoArrived, this,
            [this] { history_.setLatest(doc_.preview()); });
}

void FrmMain::setConnectionIcon(int id) {
    picStat5->setPixmap(Artwork::connectionIcon(id));
    picStat5->setProperty("iconId", id);
}

QString FrmMain::ConnectPort() const {
    return phone_->port();
}

void FrmMain::ConnectPhone() {
    phone_->connectPhone();
}

void FrmMain::EnsureConnected() {
    phone_->ensureConnected();
}

QString FrmMain::PhoneCapabilities() {
    return phone_->capabilities();
}

void FrmMain::cmdDownload_Click() {
    transfer_->download();
}

void FrmMain::cmdUpload_Click() {
    transfer_->upload(txtNetCode->text());
}

void FrmMain::UploadLogo(qint16 iLocation) {
    transfer_->uploadTo(iLocation, txtNetCode->text());
}

void FrmMain::cmdReset_Click() {
    EnsureConnected();
    try {
        Velk->Reset(false);
    } catch (const std::exception &) {
        // a restart that fails is not reported
    }
}

void FrmMain::tmrTimes_Timer() {
    const QString now = env_.clock ? env_.clock().toString(QStringLiteral("hh:mm")) : QString();
    lblPhoneTime->setText(now);
    txtStat6->setText(now);
}

}  // namespace glyphsmith
