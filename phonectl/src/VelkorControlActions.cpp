// VelkorControl: the action, SMS and clock members.
#include <QDate>

#include "EngineBinding.h"
#include "EngineBuffer.h"
#include "velkor17/FBSms.h"
#include "velkor17/VelkorControl.h"
#include "velkor17/VelkorError.h"

using velkor17::engine;
using velkor17::EngineBuffer;
using velkor17::engineText;
using velkor17::VelkorError;

namespace {

// Messages longer than this are cut before sending.
constexpr qsizetype kMaxMessageLength = 39014;
// getsms walks an index; no phone holds this many messages.
constexpr int32_t kMaxMessageIndex = 65536;

}  // namespace

// ---- Actions --------------------------------------------------------------------

QString VelkorControl::netmonitor(const QString &mode) {
    EngineBuffer buffer(256);
    engine().netmonitor(engineText(mode).constData(), buffer.data(), buffer.size());
    return buffer.text();
}

QString VelkorControl::NetmonitorScreen(qint16 nMode) {
    selectInstance();
    if (!requireConnection()) {
        return QString();
    }
    // At least two digits, as 7 -> "07" (a sign goes before them).
    QString mode = QStringLiteral("%1").arg(qAbs(int(nMode)), 2, 10, QLatin1Char('0'));
    if (nMode < 0) {
        mode.prepend(QLatin1Char('-'));
    }
    return netmonitor(mode);
}

void VelkorControl::EnableNetMonitorEngineering() {
    selectInstance();
    if (requireConnection()) {
        netmonitor(QStringLiteral("devel"));
    }
}

void VelkorControl::EnableNetMonitorFieldTest() {
    selectInstance();
    if (requireConnection()) {
        netmonitor(QStringLiteral("field"));
    }
}

void VelkorControl::DisableNetMonitor() {
    selectInstance();
    if (requireConnection()) {
        netmonitor(QStringLiteral("off"));
    }
}

void VelkorControl::VoiceCall(const QString &sNumber) {
    selectInstance();
    if (requireConnection()) {
        engine().dialvoice(engineText(sNumber).constData());
    }
}

void VelkorControl::HangUp() {
    selectInstance();
    if (requireConnection()) {
        engine().hangup();
    }
}

void VelkorControl::Answer() {
    selectInstance();
    if (requireConnection()) {
        engine().answercall();
    }
}

void VelkorControl::Reset(bool HardReset) {
    selectInstance();
    if (requireConnection()) {
        engine().reset(HardReset ? "hard" : "soft");
    }
}

void VelkorControl::SendDtmf(const QString &sNumber) {
    selectInstance();
    if (requireConnection()) {
        engine().send_dtmf(engineText(sNumber).constData());
    }
}

void VelkorControl::SendKeys(const QString &sKeystrokes) {
    selectInstance();
    if (requireConnection()) {
        engine().sendkeystrokes(engineText(sKeystrokes).constData());
    }
}

void VelkorControl::SetStartupText(const QString &sText) {
    selectInstance();
    engine().setlogo("text", engineText(sText).constData(), "");
}

// ---- SMS --------------------------------------------------------------------------

bool VelkorControl::SendSMSMessage(const QString &sDest, const QString &sMessage) {
    selectInstance();
    if (!requireConnection()) {
        return false;
    }
    const int16_t result = engine().sendsms(
        engineText(sDest).constData(), engineText(sMessage.left(kMaxMessageLength)).constData(),
        smsObject()->SMSSettingSet(), static_cast<int32_t>(smsClass_));
    return result == 0;
}

// The text of message number nMessage (from 1) among the engine's messages of
// type nMessageType, walking the engine's index 0, 1, 2, ... until it reports
// the end (or anything that is not a box type).
QString VelkorControl::GetSMSMessage(qint16 nMessage, fbSMSMessageType nMessageType) {
    selectInstance();
    if (!requireConnection()) {
        return QString();
    }
    qint32 found = 0;
    for (int32_t k = 0; k < kMaxMessageIndex; ++k) {
        EngineBuffer number(1024);
        EngineBuffer text(1024);
        const int32_t box =
            engine().getsms(k, number.data(), number.size(), text.data(), text.size());
        if (box != fbIncomingMessage && box != fbOutgoingMessage && box != fbDeliveryReport) {
            break;
        }
        if (box == nMessageType && ++found == nMessage) {
            return text.text();
        }
    }
    return QString();
}

// ---- Clock ------------------------------------------------------------------------

void VelkorControl::setDateTime(const QDateTime &value) {
    selectInstance();
    if (!requireConnection()) {
        return;
    }
    // The zero date (null) is 30 December 1899, midnight.
    const QDateTime when = value.isValid() ? value : QDateTime(QDate(1899, 12, 30), QTime(0, 0));
    const QDate d = when.date();
    const QTime t = when.time();
    engine().setdatetime(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

QDateTime VelkorControl::DateTime() {
    selectInstance();
    if (!connected_) {
        return QDateTime();
    }
    int32_t y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    engine().getdatetime(&y, &mo, &d, &h, &mi, &s);
    const QDate date(y, mo, d);
    const QTime time(h, mi, s);
    if (!date.isValid() || !time.isValid()) {
        return QDateTime();
    }
    return QDateTime(date, time);
}

void VelkorControl::setAlarmTime(const QTime &value) {
    selectInstance();
    if (!requireConnection()) {
        return;
    }
    const QTime when = value.isValid() ? value : QTime(0, 0);
    engine().setalarm(when.hour(), when.minute());
}

QTime VelkorControl::AlarmTime() {
    selectInstance();
    if (!connected_) {
        return QTime(0, 0);
    }
    int32_t on = 0, h = 0, mi = 0;
    engine().getalarm(&on, &h, &mi);
    const QTime time(h, mi, 0);
    return time.isValid() ? time : QTime(0, 0);
}

bool VelkorControl::AlarmEnabled() {
    selectInstance();
    if (!requireConnection()) {
        return false;
    }
    int32_t on = 0, h = 0, mi = 0;
    engine().getalarm(&on, &h, &mi);
    return on != 0;
}
