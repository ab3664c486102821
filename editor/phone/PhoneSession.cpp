#include "phone/PhoneSession.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <exception>

#include "document/LogoDocument.h"
#include "phone/PendingControlCalls.h"
#include "shell/EditorEnvironment.h"
#include "shell/Settings.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

PhoneSession::PhoneSession(VelkorControl &control, const EditorEnvironment &env,
                           const LogoDocument &doc, QObject *parent)
    : QObject(parent), control_(control), env_(env), doc_(doc) {}

QString PhoneSession::port() const {
    if (!env_.portOverride.isEmpty()) {
        return env_.portOverride;
    }
    return ReadSetting(env_.paths.settingsFile, QString::fromLatin1(kRunStatus),
                       QString::fromLatin1(kKeyComPort), QStringLiteral("COM1"));
}

void PhoneSession::connectPhone() {
    if (connecting_) {
        return;
    }
    connecting_ = true;
    emit connecting(true);
    const auto finished = qScopeGuard([this] {
        connecting_ = false;
        emit connecting(false);
    });
    emit linkIcon(kIconDown);
    emit statusText(QStringLiteral("Connecting..."));
    try {
        emit busy(true);
        QCoreApplication::processEvents();
        const QString where = port();
        QCoreApplication::processEvents();
        control_.Connect(where + QLatin1Char('F'));
        // the kind's capability gate holds after every connect
        emit transfersEnabled(transfersAllowed(doc_.kind()));
        emit busy(false);
        emit statusText(QStringLiteral("Ready"));
        emit linkIcon(kIconUp);
        DownloadOperatorLogo(&control_);
        emit phoneNamed(control_.ProviderName().toString() + QStringLiteral(" (") +
                            control_.ProviderCountry() + QLatin1Char(')'),
                        control_.PhoneModelName());
    } catch (const std::exception &) {
        emit busy(false);
        emit statusText(QStringLiteral("Disconnected"));
        emit linkLost();
        emit transfersEnabled(false);
        emit linkIcon(kIconDown);
        emit phoneNamed(QString(), QString());
    }
}

void PhoneSession::ensureConnected() {
    bool alive = false;
    try {
        alive = control_.IsAlive();
    } catch (const std::exception &) {
        alive = false;
    }
    if (!alive) {
        connectPhone();
    }
}

bool PhoneSession::guard() {
    ensureConnected();
    try {
        return control_.IsAlive();
    } catch (const std::exception &) {
        return false;
    }
}

QString PhoneSession::capabilities() {
    if (env_.phoneCapabilities) {
        return env_.phoneCapabilities();
    }
    try {
        return control_.PhoneCapabilities();
    } catch (const std::exception &) {
        return QString();
    }
}

bool PhoneSession::transfersAllowed(LogoKind kind) {
    return transferAllowed(capabilities(), kind);
}

}  // namespace glyphsmith
