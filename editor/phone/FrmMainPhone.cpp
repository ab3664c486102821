// The main window's phone link: connecting, the status bar, the phone
// restart and the clock.
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <exception>

#include "document/LogoKind.h"
#include "phone/PendingControlCalls.h"
#include "shell/Artwork.h"
#include "shell/FrmMain.h"
#include "shell/HandlerScope.h"
#include "shell/Settings.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

void FrmMain::setConnectionIcon(int id) {
    picStat5->setPixmap(Artwork::connectionIcon(id));
    picStat5->setProperty("iconId", id);
}

QString FrmMain::ConnectPort() const {
    if (!env_.portOverride.isEmpty()) {
        return env_.portOverride;
    }
    return ReadSetting(env_.paths.settingsFile, QString::fromLatin1(kRunStatus),
                       QString::fromLatin1(kKeyComPort), QStringLiteral("COM1"));
}

void FrmMain::ConnectPhone() {
    // A connect that starts while another one lets window messages run is
    // skipped: the running one decides the status bar.
    if (connecting_) {
        return;
    }
    connecting_ = true;
    const HandlerScope busy(*this);
    setConnectionIcon(101);
    txtStat1->setText(QStringLiteral("Connecting..."));
    try {
        setHourglass(true);
        QCoreApplication::processEvents();
        const QString port = ConnectPort();
        QCoreApplication::processEvents();
        Velk->Connect(port + QLatin1Char('F'));
        // the kind's capability gate holds after every connect
        const bool allowed = transferAllowed(PhoneCapabilities(), doc_.iLogoKind);
        cmdUpload->setEnabled(allowed);
        cmdDownload->setEnabled(allowed);
        setHourglass(false);
        txtStat1->setText(QStringLiteral("Ready"));
        setConnectionIcon(102);
        DownloadOperatorLogo(Velk);
        txtStat3->setText(Velk->ProviderName().toString() + QStringLiteral(" (") +
                          Velk->ProviderCountry() + QLatin1Char(')'));
        txtStat3->setCursorPosition(0);
        txtStat2->setText(Velk->PhoneModelName());
        txtStat2->setCursorPosition(0);
    } catch (const std::exception &) {
        setHourglass(false);
        txtStat1->setText(QStringLiteral("Disconnected"));
        for (QAbstractButton *b : {static_cast<QAbstractButton *>(optOperator),
                                   static_cast<QAbstractButton *>(optCallerGroup),
                                   static_cast<QAbstractButton *>(optPicture),
                                   static_cast<QAbstractButton *>(optStartup),
                                   static_cast<QAbstractButton *>(cmdRingtones)}) {
            b->setEnabled(true);
        }
        cmdUpload->setEnabled(false);
        cmdDownload->setEnabled(false);
        setConnectionIcon(101);
        txtStat3->clear();
        txtStat2->clear();
    }
    connecting_ = false;
}

void FrmMain::EnsureConnected() {
    bool alive = false;
    try {
        alive = Velk->IsAlive();
    } catch (const std::exception &) {
        alive = false;
    }
    if (!alive) {
        ConnectPhone();
    }
}

QString FrmMain::PhoneCapabilities() {
    if (env_.phoneCapabilities) {
        return env_.phoneCapabilities();
    }
    try {
        return Velk->PhoneCapabilities();
    } catch (const std::exception &) {
        return QString();
    }
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
