// VelkorControl: phone data, actions, SMS and clock members.
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

enum NetworkField { kProviderCodeField = 0, kCellIdField = 1, kAreaCodeField = 2 };

}  // namespace

// ---- Phone data -------------------------------------------------------------------

QString VelkorControl::networkInfoField(int field) {
    selectInstance();
    EngineBuffer wanted(64);
    // The fields not wanted get the text "1" and a length of 0.
    char unused[3][2] = {{'1', '\0'}, {'1', '\0'}, {'1', '\0'}};
    char *buffers[3] = {unused[0], unused[1], unused[2]};
    int32_t lengths[3] = {0, 0, 0};
    buffers[field] = wanted.data();
    lengths[field] = wanted.size();
    engine().getnetworkinfo(buffers[0], lengths[0], buffers[1], lengths[1], buffers[2], lengths[2]);
    return wanted.text();
}

QString VelkorControl::LAC() {
    return networkInfoField(kAreaCodeField);
}

QString VelkorControl::CellId() {
    return networkInfoField(kCellIdField);
}

QString VelkorControl::ProviderCode() {
    return networkInfoField(kProviderCodeField);
}

QString VelkorControl::lookupNetworkField(int field) {
    QString result;
    try {
        selectInstance();
        EngineBuffer buffer(256);
        engine().lookupnetwork(buffer.data(), buffer.size());
        const QStringList fields = buffer.text().split(QLatin1Char('\t'));
        if (field < fields.size()) {
            result = fields.at(field);
        }
    } catch (const VelkorError &) {
    }
    return result;
}

QVariant VelkorControl::ProviderName() {
    return QVariant(lookupNetworkField(0));
}

QString VelkorControl::ProviderCountry() {
    return lookupNetworkField(1);
}

QString VelkorControl::ProviderSMSC() {
    return lookupNetworkField(2);
}

QString VelkorControl::IMEI() {
    selectInstance();
    EngineBuffer buffer(128);
    engine().getimei(buffer.data(), buffer.size());
    return buffer.text();
}

QString VelkorControl::PhoneModelCode() {
    selectInstance();
    EngineBuffer buffer(128);
    engine().getmodel(buffer.data(), buffer.size());
    return buffer.text();
}

// getrevision gives "V 05.45,HW:0510": field 0 from its 3rd character is the
// software revision, field 1 from its 4th the hardware revision.
QString VelkorControl::revisionField(int field, int from) {
    QString result;
    try {
        selectInstance();
        EngineBuffer buffer(128);
        engine().getrevision(buffer.data(), buffer.size());
        const QStringList fields = buffer.text().split(QLatin1Char(','));
        if (field < fields.size()) {
            result = fields.at(field).mid(from).trimmed();
        }
    } catch (const VelkorError &) {
    }
    return result;
}

QString VelkorControl::PhoneSoftwareRev() {
    return revisionField(0, 2);
}

QString VelkorControl::PhoneHardwareRev() {
    return revisionField(1, 3);
}

// "dd-mm-yy": a year below 90 is 20yy, 90 to 99 is 19yy. Anything that is
// not a valid date gives the zero date (null).
QDateTime VelkorControl::PhoneSoftwareDate() {
    QDateTime result;
    try {
        selectInstance();
        EngineBuffer buffer(128);
        engine().getswdate(buffer.data(), buffer.size());
        const QString text = buffer.text();
        if (!text.contains(QLatin1Char('-'))) {
            return result;
        }
        const QStringList parts = text.split(QLatin1Char('-'));
        if (parts.size() < 3) {
            return result;
        }
        bool okDay = false;
        bool okMonth = false;
        bool okYear = false;
        const int day = parts.at(0).trimmed().toInt(&okDay);
        const int month = parts.at(1).trimmed().toInt(&okMonth);
        int year = parts.at(2).trimmed().toInt(&okYear);
        if (!okDay || !okMonth || !okYear) {
            return result;
        }
        if (year < 90) {
            year += 2000;
        } else if (year <= 99) {
            year += 1900;
        }
        const QDate date(year, month, day);
        if (date.isValid()) {
            result = QDateTime(date, QTime(0, 0));
        }
    } catch (const VelkorError &) {
    }
    return result;
}

QString VelkorControl::PhoneModelName() {
    QString result;
    try {
        selectInstance();
        EngineBuffer buffer(256);
        engine().lookupmodel(buffer.data(), buffer.size());
        const QStringList fields = buffer.text().split(QLatin1Char('\t'));
        if (fields.size() >= 3) {
            result = fields.at(1) + QLatin1Char(' ') + fields.at(2);
        }
    } catch (const VelkorError &) {
    }
    return result;
}

QString VelkorControl::PhoneCapabilities() {
    selectInstance();
    EngineBuffer buffer(256);
    engine().getmodelcapabilities(buffer.data(), buffer.size());
    return buffer.text();
}

bool VelkorControl::IsAlive() {
    selectInstance();
    return engine().isalive() != 0;
}

QString VelkorControl::displayStatus() {
    if (!connected_) {
        return QString();
    }
    EngineBuffer buffer(32);
    engine().getdisplaystatus(buffer.data(), buffer.size());
    return buffer.text();
}

bool VelkorControl::CallInProgress() {
    selectInstance();
    return displayStatus().startsWith(QLatin1Char('1'));
}

bool VelkorControl::KeyboardLocked() {
    selectInstance();
    const QString status = displayStatus();
    return status.size() >= 7 && status.at(6) == QLatin1Char('1');
}

float VelkorControl::RfLevel() {
    selectInstance();
    if (!requireConnection()) {
        return 0.0f;
    }
    int32_t level = -1;
    engine().getrflevel(&level);
    return static_cast<float>(level * 0.01);
}

float VelkorControl::BatteryLevel() {
    selectInstance();
    if (!requireConnection()) {
        return 0.0f;
    }
    int32_t level = -1;
    engine().getbatterylevel(&level);
    return static_cast<float>(level * 0.01);
}

bool VelkorControl::ACDCPower() {
    selectInstance();
    if (!requireConnection()) {
        return false;
    }
    return engine().uses_acdc_power() != 0;
}

QString VelkorControl::CurrentCallNr() {
    selectInstance();
    EngineBuffer buffer(64);
    engine().incoming(buffer.data(), buffer.size());
    QString number = buffer.text();
    if (number.startsWith(QLatin1Char('D'))) {
        number.replace(0, 1, QLatin1Char('+'));
    }
    return number.size() < 2 ? QString() : number;
}

QString VelkorControl::CurrentCallName() {
    selectInstance();
    EngineBuffer buffer(64);
    engine().incomingname(buffer.data(), buffer.size());
    return buffer.text();
}

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
