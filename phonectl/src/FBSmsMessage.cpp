#include "velkor17/FBSmsMessage.h"

#include <algorithm>
#include <vector>

#include "DispatchTable.h"
#include "EngineBinding.h"
#include "EngineBuffer.h"

using namespace velkor17;
using namespace velkor17::dispatch_names;

namespace {

// Characters of a field buffer.
constexpr int32_t kFieldBufferSize = 1024;
// getsmsmsgdata fields.
constexpr int32_t kFieldText = 1, kFieldSender = 2, kFieldDestination = 3, kFieldLength = 4,
                  kFieldEncoding = 5, kFieldCentre = 6;

const DispatchTable<FBSmsMessage> &table() {
    using M = FBSmsMessage;
    static const DispatchTable<FBSmsMessage> t{
        {0x68030007,
         Get,
         "DateTime",
         {},
         [](M &o, const Args &) { return retDateTime(o.DateTime()); }},
        {0x68030006, Get, "Text", {}, [](M &o, const Args &) { return retString(o.Text()); }},
        {0x68030005, Get, "Sender", {}, [](M &o, const Args &) { return retString(o.Sender()); }},
        {0x68030004,
         Get,
         "Destination",
         {},
         [](M &o, const Args &) { return retString(o.Destination()); }},
        {0x68030003, Get, "SMSC", {}, [](M &o, const Args &) { return retString(o.SMSC()); }},
        {0x68030002, Get, "SentRead", {}, [](M &o, const Args &) { return retBool(o.SentRead()); }},
        {0x68030001,
         Get,
         "Encoding",
         {},
         [](M &o, const Args &) { return ret32(qint32(o.Encoding())); }},
        {0x6003000D,
         Method,
         "Delete",
         {},
         [](M &o, const Args &) {
             o.Delete();
             return QVariant();
         }},
        {0x68030000, Get, "LastError", {}, [](M &o, const Args &) { return ret16(o.LastError()); }},
    };
    return t;
}

}  // namespace

FBSmsMessage::FBSmsMessage(QObject *parent) : QObject(parent) {}

QVariant FBSmsMessage::invoke(qint32 dispId, DispatchKind kind, const QVariantList &args) {
    return table().invoke(*this, dispId, kind, args);
}

QDateTime FBSmsMessage::DateTime() {
    int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    lastError_ = engine().getsmsmsgdatetime(int32_t(boxType_), int32_t(location_), &year, &month,
                                            &day, &hour, &minute, &second);
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (lastError_ != 0 || !date.isValid() || !time.isValid()) {
        return QDateTime();
    }
    return QDateTime(date, time);
}

QString FBSmsMessage::field(int32_t field) {
    const int32_t box = boxType_;
    const int32_t location = location_;
    if (field == kFieldText) {
        const int32_t encoding = engine().getsmsmsgdata(box, location, kFieldEncoding, nullptr, 0);
        if (encoding > 0) {
            const int32_t length = engine().getsmsmsgdata(box, location, kFieldLength, nullptr, 0);
            std::vector<char16_t> buffer(kFieldBufferSize, u' ');
            lastError_ = qint16(engine().getsmsmsgdata(
                box, location, kFieldText, static_cast<void *>(buffer.data()), kFieldBufferSize));
            // The engine ends the text with a NUL; never read past it or the buffer.
            const auto end = std::find(buffer.begin(), buffer.end(), u'\0');
            const qsizetype available = end - buffer.begin();
            return QString::fromUtf16(buffer.data(), std::clamp<qsizetype>(length, 0, available));
        }
    }
    EngineBuffer buffer(kFieldBufferSize);
    lastError_ = qint16(engine().getsmsmsgdata(box, location, field,
                                               static_cast<void *>(buffer.data()), buffer.size()));
    return buffer.text();
}

QString FBSmsMessage::Text() {
    return field(kFieldText);
}

QString FBSmsMessage::Sender() {
    return field(kFieldSender);
}

QString FBSmsMessage::Destination() {
    return field(kFieldDestination);
}

QString FBSmsMessage::SMSC() {
    return field(kFieldCentre);
}

bool FBSmsMessage::SentRead() {
    return engine().getsmssentread(int32_t(boxType_), int32_t(location_)) != 0;
}

fbSmsMessageEncoding FBSmsMessage::Encoding() {
    return fbSmsMessageEncoding(
        engine().getsmsmsgdata(int32_t(boxType_), int32_t(location_), kFieldEncoding, nullptr, 0));
}

void FBSmsMessage::Delete() {
    lastError_ = engine().deletesmsmsg(int32_t(boxType_), int32_t(location_));
}
