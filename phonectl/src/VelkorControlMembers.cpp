// VelkorControl: the phone-data members.
#include <QDate>

#include "EngineBinding.h"
#include "EngineBuffer.h"
#include "velkor17/VelkorControl.h"
#include "velkor17/VelkorError.h"

using velkor17::engine;
using velkor17::EngineBuffer;
using velkor17::engineText;
using velkor17::VelkorError;

namespace {

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
    try {
        return networkInfoField(kProviderCodeField);
    } catch (const VelkorError &) {
        return QString();
    }
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
