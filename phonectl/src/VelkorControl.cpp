// VelkorControl: life cycle, connection, polling, child objects and the
// members that only touch the control's own state. The phone-data members are
// in VelkorControlMembers.cpp, the action, SMS and clock members in
// VelkorControlActions.cpp, the DISPID table in VelkorControlDispatch.cpp.
#include "velkor17/VelkorControl.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <atomic>

#include "AboutWindow.h"
#include "EngineBinding.h"
#include "EngineBuffer.h"
#include "LogoAnimator.h"
#include "velkor17/FBLogo.h"
#include "velkor17/FBPhonebookEntry.h"
#include "velkor17/FBRingTone.h"
#include "velkor17/FBSms.h"
#include "velkor17/FBSpeedDial.h"
#include "velkor17/VelkorError.h"

using velkor17::engine;
using velkor17::EngineBuffer;
using velkor17::engineText;
using velkor17::VelkorError;
namespace ErrorNumber = velkor17::ErrorNumber;

namespace {

// Handles tell the controls of a process apart towards the engine; 0 is the
// engine's instance before any selection, so controls start at 1.
std::atomic<std::intptr_t> nextHandle{1};

// The last error a member sets for want of a connection or a failed Connect.
constexpr qint16 kNotConnectedError = 3;

}  // namespace

VelkorControl::VelkorControl(QWidget *parent) : QWidget(parent), handle_(nextHandle.fetch_add(1)) {
    setFixedSize(32, 32);

    pollTimer_ = new QTimer(this);
    pollTimer_->setObjectName(QStringLiteral("Timer1"));
    pollTimer_->setInterval(1000);
    connect(pollTimer_, &QTimer::timeout, this, &VelkorControl::pollTick);

    animationTimer_ = new QTimer(this);
    animationTimer_->setObjectName(QStringLiteral("Timer2"));
    animationTimer_->setInterval(150);
    connect(animationTimer_, &QTimer::timeout, this, &VelkorControl::animationTick);
    animationTimer_->start();

    animator_ = new velkor17::LogoAnimator;

    // Creation and first placement: the link is down, so this reaches no
    // engine function.
    smsClass_ = fbSmsClassNormal;
    raiseErrors_ = true;
    smsObject()->setSMSSettingSet(1);
}

VelkorControl::~VelkorControl() {
    pollTimer_->stop();
    animationTimer_->stop();
    try {
        selectInstance();
        engine().terminate();
    } catch (const VelkorError &) {
        // No engine: there is no link to close.
    }
    delete animator_;
}

QString VelkorControl::interfaceName() const {
    return QStringLiteral("_VelkorControl");
}

// ---- Helpers ----------------------------------------------------------------

void VelkorControl::selectInstance() {
    engine().selectInstance(handle_);
}

void VelkorControl::reselectInstance() {
    if (engine().selectedInstance() != handle_) {
        selectInstance();
    }
}

bool VelkorControl::requireConnection() {
    if (connected_) {
        return true;
    }
    lastError_ = kNotConnectedError;
    if (raiseErrors_) {
        throw VelkorError(ErrorNumber::NotConnected, QStringLiteral("VelkorLink not connected"));
    }
    return false;
}

FBSms *VelkorControl::smsObject() {
    if (!sms_) {
        sms_ = new FBSms(this);
    }
    return sms_;
}

// ---- Members on the control's own state ---------------------------------------

qint16 VelkorControl::SMSSettingSet() {
    selectInstance();
    return smsObject()->SMSSettingSet();
}

void VelkorControl::setSMSSettingSet(qint16 value) {
    selectInstance();
    smsObject()->setSMSSettingSet(value);
    emit propertyChanged(QStringLiteral("SMSSettingSet"));
}

fbSmsClass VelkorControl::SMSClass() {
    selectInstance();
    return smsClass_;
}

void VelkorControl::setSMSClass(fbSmsClass value) {
    selectInstance();
    smsClass_ = value;
}

bool VelkorControl::Connect(const QString &sComport, fbConnectionType ConnectionType) {
    selectInstance();
    if (!connected_) {
        smsObject()->setSMSSettingSet(1);
        smsClass_ = fbSmsClassNormal;
    }
    const int16_t result = engine().init(engineText(sComport).constData(), ConnectionType);
    if (result == 0) {
        connected_ = true;
        smsBaseline_ = engine().smsreceivedcount();
        if (!pollTimer_->isActive()) {
            pollTimer_->start();
        }
    } else {
        connected_ = false;
        lastError_ = kNotConnectedError;
        if (raiseErrors_) {
            throw VelkorError(ErrorNumber::ConnectFailed,
                              QStringLiteral("VelkorLink connecting failed. Erc %1").arg(result));
        }
    }
    return connected_;
}

void VelkorControl::Disconnect() {
    selectInstance();
    if (!requireConnection()) {
        return;
    }
    engine().terminate();
    connected_ = false;
}

bool VelkorControl::Connected() {
    selectInstance();
    return connected_;
}

bool VelkorControl::RaiseError() {
    selectInstance();
    return raiseErrors_;
}

void VelkorControl::setRaiseError(bool value) {
    selectInstance();
    raiseErrors_ = value;
}

qint16 VelkorControl::LastError() {
    selectInstance();
    return lastError_;
}

bool VelkorControl::IncomingCallInProgress() {
    selectInstance();
    return !lastCallNumber_.trimmed().isEmpty();
}

void VelkorControl::About() {
    selectInstance();
    velkor17::AboutWindow::showWindow();
}

void VelkorControl::Beep() {
    const std::intptr_t handle = handle_;
    selectInstance();
    engine().gsmbeep(1);
    // Event handlers may run here, select another control's link or even
    // delete this control: use no member from now on.
    QCoreApplication::processEvents();
    if (engine().selectedInstance() != handle) {
        engine().selectInstance(handle);
    }
    engine().gsmbeep(0);
}

// ---- Child objects (errors ignored) ----------------------------------------------

FBSpeedDial *VelkorControl::SpeedDial(qint16 iLocation) {
    try {
        selectInstance();
    } catch (const VelkorError &) {
    }
    if (!speedDial_) {
        speedDial_ = new FBSpeedDial(this);
    }
    speedDial_->setConnected(connected_);
    speedDial_->setLocation(iLocation);
    return speedDial_;
}

FBPhonebookEntry *VelkorControl::PhoneBook(qint16 iLocation, fbMemoryType iMemoryType) {
    try {
        selectInstance();
    } catch (const VelkorError &) {
    }
    if (!phoneBook_) {
        phoneBook_ = new FBPhonebookEntry(this);
    }
    phoneBook_->setConnected(connected_);
    phoneBook_->setLocation(iLocation);
    phoneBook_->setMemoryType(iMemoryType);
    return phoneBook_;
}

FBSms *VelkorControl::SMS() {
    try {
        selectInstance();
    } catch (const VelkorError &) {
    }
    FBSms *sms = smsObject();
    sms->setConnected(connected_);
    return sms;
}

FBLogo *VelkorControl::Logo() {
    try {
        selectInstance();
    } catch (const VelkorError &) {
    }
    if (!logo_) {
        logo_ = new FBLogo(this);
    }
    return logo_;
}

FBRingTone *VelkorControl::RingTone() {
    try {
        selectInstance();
    } catch (const VelkorError &) {
    }
    if (!ringTone_) {
        ringTone_ = new FBRingTone(this);
    }
    return ringTone_;
}

// ---- Logo pictures and animation ---------------------------------------------------

void VelkorControl::SetLogoPicture(const QImage &Picture, qint16 iBrightnessThreshold,
                                   const QVariant &lScreenColor) {
    try {
        selectInstance();
        if (!logo_) {
            logo_ = new FBLogo(this);
        }
        animator_->setLogoPicture(*logo_, Picture, iBrightnessThreshold, lScreenColor);
    } catch (const VelkorError &) {
    }
}

void VelkorControl::LoadAnimation(const QString &sGifFile, qint16 iBrightnessThreshold) {
    selectInstance();
    animator_->loadAnimation(sGifFile, iBrightnessThreshold);
}

void VelkorControl::setAnimateLogo(bool value) {
    selectInstance();
    animator_->setAnimate(value);
}

bool VelkorControl::AnimateLogo() {
    selectInstance();
    return animator_->animate();
}

void VelkorControl::animationTick() {
    if (!animator_->isActive()) {
        return;
    }
    try {
        reselectInstance();
        if (!logo_) {
            logo_ = new FBLogo(this);
        }
        qint16 frame = 0;
        qint16 total = 0;
        // A handler run by the window messages may select another control's link.
        const auto letMessagesRun = [this] {
            QCoreApplication::processEvents();
            reselectInstance();
        };
        if (animator_->step(*logo_, frame, total, letMessagesRun)) {
            emit LogoAnimation(frame, total);
        }
    } catch (...) {
        // A timer tick has no caller to report to.
    }
}

// ---- Polling -------------------------------------------------------------------

void VelkorControl::pollTick() {
    // Handlers of the events may delete this control or select another
    // control's link; check and select again after each event.
    QPointer<VelkorControl> self(this);
    try {
        const QString number = CurrentCallNr();
        if (lastCallNumber_ != number && number.isEmpty()) {
            lastCallNumber_.clear();
        }
        if (engine().incomingevent() != 0) {
            lastCallNumber_ = number;
            emit IncomingCall(number);
            if (!self) {
                return;
            }
            reselectInstance();
        }
        const qint32 count = engine().smsreceivedcount();
        if (count > smsBaseline_) {
            const qint32 added = count - smsBaseline_;
            smsBaseline_ = count;
            emit IncomingSMS(added);
            if (!self) {
                return;
            }
            reselectInstance();
        }
        int32_t data = 0;
        int32_t ack = 0;
        if (engine().getsmssendack(&data, &ack) != 0) {
            emit SMSSendAck(ack != 0, data);
            if (!self) {
                return;
            }
            reselectInstance();
        }
        if (engine().bitmap_received() != 0) {
            emit IncomingLogo();
        }
    } catch (...) {
        // A timer tick has no caller to report to; the next tick tries again.
    }
}
