#include "PhoneSession.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include "CliError.h"
#include "velkor17/FBSms.h"
#include "velkor17/VelkorControl.h"
#include "velkor17/VelkorError.h"

namespace glyphsmith::cli {

namespace {

int appArgc = 1;
char appName[] = "glyphsmith-cli";
char *appArgv[] = {appName, nullptr};

QString codeText(int code) {
    switch (code) {
        case 1:
            return QStringLiteral("no link to the phone");
        case 2:
            return QStringLiteral("the phone did not answer");
        case 4:
            return QStringLiteral("no such port");
        case 5:
            return QStringLiteral("the phone cannot do this");
        case 6:
            return QStringLiteral("the phone refused the values");
        case 10:
            return QStringLiteral("the location is empty");
        case 11:
            return QStringLiteral("the phone refused the request");
        case 22:
            return QStringLiteral("no such location");
        default:
            return QStringLiteral("error %1").arg(code);
    }
}

}  // namespace

PhoneSession::PhoneSession(QString port) : port_(std::move(port)) {
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(appArgc, appArgv);
    }
    control_ = std::make_unique<VelkorControl>();
}

PhoneSession::~PhoneSession() {
    control_.reset();
}

VelkorControl &PhoneSession::connected() {
    if (connected_) {
        return *control_;
    }
    control_->setRaiseError(true);
    try {
        control_->Connect(port_);
    } catch (const velkor17::VelkorError &e) {
        // the description ends with the engine's code
        bool isCode = false;
        const int code = e.description().section(QLatin1Char(' '), -1).toInt(&isCode);
        phoneError(QStringLiteral("cannot connect to the phone on %1: %2")
                       .arg(port_, isCode ? codeText(code) : e.description()));
    }
    control_->setRaiseError(false);
    connected_ = true;
    return *control_;
}

void PhoneSession::check(int code, const QString &what) {
    if (code != 0) {
        phoneError(QStringLiteral("%1 failed: %2").arg(what, codeText(code)));
    }
}

void PhoneSession::waitForSend(int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    FBSms *sms = control_->SMS();
    while (sms->Waiting() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
}

}  // namespace glyphsmith::cli
