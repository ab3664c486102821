#include "velkor17/FBSms.h"

#include "DispatchTable.h"
#include "EngineBinding.h"
#include "EngineBuffer.h"
#include "velkor17/FBSmsBox.h"

using namespace velkor17;
using namespace velkor17::dispatch_names;

namespace {

// 8-bit messages longer than this are cut before sending.
constexpr qsizetype kMaxMessageLength = 39014;
// Added to the SMS class when a delivery notification is asked for.
constexpr int32_t kDeliveryNotificationFlag = 0x10000;
// LastError of a send while the link is down.
constexpr qint16 kNotConnected = -1;

int32_t sendFlags(fbSmsClass smsClass, bool askDeliveryNotification) {
    return int32_t(smsClass) + (askDeliveryNotification ? kDeliveryNotificationFlag : 0);
}

template <typename F>
DispatchEntry<FBSms> send(qint32 dispId, const char *name, F member) {
    return {dispId,
            Method,
            name,
            {String, String, opt(Int16, qint16(fbSmsClassNormal)), opt(Bool, false)},
            member};
}

const DispatchTable<FBSms> &table() {
    using S = FBSms;
    static const DispatchTable<FBSms> t{
        {0x6803000E,
         Put,
         "SMSSettingSet",
         {Int16},
         [](S &o, const Args &a) {
             o.setSMSSettingSet(a.i16(0));
             return QVariant();
         }},
        {0x6803000E,
         Get,
         "SMSSettingSet",
         {},
         [](S &o, const Args &) { return ret16(o.SMSSettingSet()); }},
        {0x6803000D,
         Put,
         "SMSMessageCenter",
         {String},
         [](S &o, const Args &a) {
             o.setSMSMessageCenter(a.s(0));
             return QVariant();
         }},
        {0x6803000D,
         Get,
         "SMSMessageCenter",
         {},
         [](S &o, const Args &) { return retString(o.SMSMessageCenter()); }},
        {0x6803000C,
         Put,
         "TimeOut",
         {Int32},
         [](S &o, const Args &a) {
             o.setTimeOut(a.i32(0));
             return QVariant();
         }},
        {0x6803000C, Get, "TimeOut", {}, [](S &o, const Args &) { return ret32(o.TimeOut()); }},
        {0x6803000B,
         Put,
         "SendDelay",
         {Int32},
         [](S &o, const Args &a) {
             o.setSendDelay(a.i32(0));
             return QVariant();
         }},
        {0x6803000B, Get, "SendDelay", {}, [](S &o, const Args &) { return ret32(o.SendDelay()); }},
        {0x6803000A,
         Put,
         "PID",
         {Byte},
         [](S &o, const Args &a) {
             o.setPID(a.byte(0));
             return QVariant();
         }},
        {0x6803000A, Get, "PID", {}, [](S &o, const Args &) { return retByte(o.PID()); }},
        {0x68030009,
         Put,
         "DCS",
         {Byte},
         [](S &o, const Args &a) {
             o.setDCS(a.byte(0));
             return QVariant();
         }},
        {0x68030009, Get, "DCS", {}, [](S &o, const Args &) { return retByte(o.DCS()); }},
        {0x68030008, Get, "Inbox", {}, [](S &o, const Args &) { return retObject(o.Inbox()); }},
        {0x68030007, Get, "Outbox", {}, [](S &o, const Args &) { return retObject(o.Outbox()); }},
        {0x68030006,
         Get,
         "DeliveryNotifications",
         {},
         [](S &o, const Args &) { return retObject(o.DeliveryNotifications()); }},
        {0x68030005,
         Get,
         "UnreadMessages",
         {},
         [](S &o, const Args &) { return ret16(o.UnreadMessages()); }},
        {0x68030004,
         Get,
         "TotalMessages",
         {},
         [](S &o, const Args &) { return ret16(o.TotalMessages()); }},
        {0x68030003,
         Put,
         "CodePage",
         {Int32},
         [](S &o, const Args &a) {
             o.setCodePage(a.i32(0));
             return QVariant();
         }},
        {0x68030003, Get, "CodePage", {}, [](S &o, const Args &) { return ret32(o.CodePage()); }},
        {0x68030002, Get, "Waiting", {}, [](S &o, const Args &) { return retBool(o.Waiting()); }},
        {0x68030001,
         Put,
         "MustWait",
         {Bool},
         [](S &o, const Args &a) {
             o.setMustWait(a.b(0));
             return QVariant();
         }},
        {0x68030001, Get, "MustWait", {}, [](S &o, const Args &) { return retBool(o.MustWait()); }},
        send(0x60030010, "SendMessage",
             [](S &o, const Args &a) {
                 return retBool(o.SendMessage(a.s(0), a.s(1), fbSmsClass(a.i16(2)), a.b(3)));
             }),
        send(0x60030011, "SendUnicode",
             [](S &o, const Args &a) {
                 return retBool(o.SendUnicode(a.s(0), a.s(1), fbSmsClass(a.i16(2)), a.b(3)));
             }),
        send(0x60030012, "SendSiemensOta",
             [](S &o, const Args &a) {
                 return retBool(o.SendSiemensOta(a.s(0), a.s(1), fbSmsClass(a.i16(2)), a.b(3)));
             }),
        {0x60030013,
         Method,
         "Refresh",
         {},
         [](S &o, const Args &) {
             o.Refresh();
             return QVariant();
         }},
        {0x68030000, Get, "LastError", {}, [](S &o, const Args &) { return ret16(o.LastError()); }},
    };
    return t;
}

}  // namespace

FBSms::FBSms(QObject *parent) : QObject(parent) {}

QVariant FBSms::invoke(qint32 dispId, DispatchKind kind, const QVariantList &args) {
    return table().invoke(*this, dispId, kind, args);
}

void FBSms::setSMSSettingSet(qint16 value) {
    settingSet_ = value;
    if (connected_ && value != 0) {
        engine().setsmsmessagecenter(int32_t(value), "");
    }
}

void FBSms::setSMSMessageCenter(const QString &value) {
    settingSet_ = 0;
    engine().setsmsmessagecenter(int32_t(0), engineText(value).constData());
}

QString FBSms::SMSMessageCenter() {
    if (!connected_ && settingSet_ != 0) {
        return QString();
    }
    EngineBuffer buffer(128);
    engine().getsmsmessagecenter(buffer.data(), buffer.size());
    return buffer.text();
}

void FBSms::setTimeOut(qint32 value) {
    engine().setsmstimeout(int32_t(value));
}

qint32 FBSms::TimeOut() {
    return engine().getsmstimeout();
}

void FBSms::setSendDelay(qint32 value) {
    engine().set_smssenddelay(int32_t(value));
}

qint32 FBSms::SendDelay() {
    return engine().get_smssenddelay();
}

void FBSms::setPID(quint8 value) {
    engine().sms_setpid(uint8_t(value));
}

quint8 FBSms::PID() {
    return engine().sms_getpid();
}

void FBSms::setDCS(quint8 value) {
    engine().sms_setdcs(uint8_t(value));
}

quint8 FBSms::DCS() {
    return engine().sms_getdcs();
}

FBSmsBox *FBSms::box(FBSmsBox *&slot, fbSMSMessageType type) {
    if (!slot) {
        slot = new FBSmsBox(this);
    }
    slot->setBoxType(qint16(type));
    return slot;
}

FBSmsBox *FBSms::Inbox() {
    return box(inbox_, fbIncomingMessage);
}

FBSmsBox *FBSms::Outbox() {
    return box(outbox_, fbOutgoingMessage);
}

FBSmsBox *FBSms::DeliveryNotifications() {
    return box(deliveryNotifications_, fbDeliveryReport);
}

qint16 FBSms::UnreadMessages() {
    return engine().getsmsmsgunread();
}

qint16 FBSms::TotalMessages() {
    return engine().getsmsmsgtotal();
}

void FBSms::setCodePage(qint32 value) {
    engine().set_codepage(int32_t(value));
}

qint32 FBSms::CodePage() {
    return engine().get_codepage();
}

bool FBSms::Waiting() {
    return engine().smssendwaiting() != 0;
}

void FBSms::setMustWait(bool value) {
    engine().setsmssendmode(int16_t(value ? -1 : 0));  // -1: the 16-bit True
}

bool FBSms::MustWait() {
    return engine().getsmssendmode() != 0;
}

bool FBSms::linkDown() {
    if (connected_) {
        return false;
    }
    lastError_ = kNotConnected;
    return true;
}

bool FBSms::SendMessage(const QString &sDest, const QString &sMessage, fbSmsClass iSmsClass,
                        bool bAskDeliveryNotification) {
    if (linkDown()) {
        return false;
    }
    lastError_ = engine().sendsms(
        engineText(sDest).constData(), engineText(sMessage.left(kMaxMessageLength)).constData(),
        int32_t(settingSet_), sendFlags(iSmsClass, bAskDeliveryNotification));
    return lastError_ == 0;
}

bool FBSms::SendUnicode(const QString &sDest, const QString &sMessage, fbSmsClass iSmsClass,
                        bool bAskDeliveryNotification) {
    if (linkDown()) {
        return false;
    }
    // QString's UTF-16 text ends with a NUL.
    lastError_ = engine().senducs2(
        engineText(sDest).constData(), reinterpret_cast<const uint16_t *>(sMessage.utf16()),
        int32_t(settingSet_), sendFlags(iSmsClass, bAskDeliveryNotification));
    return lastError_ == 0;
}

bool FBSms::SendSiemensOta(const QString &sDest, const QString &sFile, fbSmsClass iSmsClass,
                           bool bAskDeliveryNotification) {
    if (linkDown()) {
        return false;
    }
    lastError_ = engine().sendsiemensota(engineText(sDest).constData(),
                                         engineText(sFile).constData(), int32_t(settingSet_),
                                         sendFlags(iSmsClass, bAskDeliveryNotification));
    return lastError_ == 0;
}

void FBSms::Refresh() {
    engine().updatesmslist();
}
