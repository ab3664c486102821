// The DISPID table of "_VelkorControl": one row per member and kind, in slot
// order. See DispatchTable.h for how to add a member.
#include "DispatchTable.h"
#include "velkor17/FBLogo.h"
#include "velkor17/FBPhonebookEntry.h"
#include "velkor17/FBRingTone.h"
#include "velkor17/FBSms.h"
#include "velkor17/FBSpeedDial.h"
#include "velkor17/VelkorControl.h"

using namespace velkor17;
using namespace velkor17::dispatch_names;

namespace {

using C = VelkorControl;

const DispatchTable<VelkorControl> &table() {
    static const DispatchTable<VelkorControl> t{
        {0x68030109,
         Get,
         "SMSSettingSet",
         {},
         [](C &o, const Args &) { return ret16(o.SMSSettingSet()); }},
        {0x68030109,
         Put,
         "SMSSettingSet",
         {Int16},
         [](C &o, const Args &a) {
             o.setSMSSettingSet(a.i16(0));
             return QVariant();
         }},
        {0x68030108,
         Get,
         "SMSClass",
         {},
         [](C &o, const Args &) { return ret16(qint16(o.SMSClass())); }},
        {0x68030108,
         Put,
         "SMSClass",
         {Int16},
         [](C &o, const Args &a) {
             o.setSMSClass(fbSmsClass(a.i16(0)));
             return QVariant();
         }},
        {0x68030107, Get, "LAC", {}, [](C &o, const Args &) { return retString(o.LAC()); }},
        {0x68030106, Get, "CellId", {}, [](C &o, const Args &) { return retString(o.CellId()); }},
        {0x68030105,
         Get,
         "ProviderCode",
         {},
         [](C &o, const Args &) { return retString(o.ProviderCode()); }},
        {0x68030104,
         Get,
         "ProviderCountry",
         {},
         [](C &o, const Args &) { return retString(o.ProviderCountry()); }},
        {0x68030103,
         Get,
         "ProviderSMSC",
         {},
         [](C &o, const Args &) { return retString(o.ProviderSMSC()); }},
        {0x68030102, Get, "IMEI", {}, [](C &o, const Args &) { return retString(o.IMEI()); }},
        {0x68030101,
         Get,
         "PhoneSoftwareRev",
         {},
         [](C &o, const Args &) { return retString(o.PhoneSoftwareRev()); }},
        {0x68030100,
         Get,
         "PhoneSoftwareDate",
         {},
         [](C &o, const Args &) { return retDateTime(o.PhoneSoftwareDate()); }},
        {0x680300FF,
         Get,
         "PhoneHardwareRev",
         {},
         [](C &o, const Args &) { return retString(o.PhoneHardwareRev()); }},
        {0x680300FE,
         Get,
         "PhoneModelCode",
         {},
         [](C &o, const Args &) { return retString(o.PhoneModelCode()); }},
        {0x680300FD,
         Get,
         "PhoneModelName",
         {},
         [](C &o, const Args &) { return retString(o.PhoneModelName()); }},
        {0x6003010A,
         Method,
         "SendSMSMessage",
         {String, String},
         [](C &o, const Args &a) { return retBool(o.SendSMSMessage(a.s(0), a.s(1))); }},
        {0x680300FC,
         Get,
         "NetmonitorScreen",
         {Int16},
         [](C &o, const Args &a) { return retString(o.NetmonitorScreen(a.i16(0))); }},
        {0x6003010B,
         Method,
         "VoiceCall",
         {String},
         [](C &o, const Args &a) {
             o.VoiceCall(a.s(0));
             return QVariant();
         }},
        {0x6003010C,
         Method,
         "HangUp",
         {},
         [](C &o, const Args &) {
             o.HangUp();
             return QVariant();
         }},
        {0x6003010D,
         Method,
         "Reset",
         {opt(Bool, false)},
         [](C &o, const Args &a) {
             o.Reset(a.b(0));
             return QVariant();
         }},
        {0x6003010E,
         Method,
         "SendDtmf",
         {String},
         [](C &o, const Args &a) {
             o.SendDtmf(a.s(0));
             return QVariant();
         }},
        {0x6003010F,
         Method,
         "SendKeys",
         {String},
         [](C &o, const Args &a) {
             o.SendKeys(a.s(0));
             return QVariant();
         }},
        {0x60030116,
         Method,
         "Connect",
         {opt(String, QStringLiteral("COM1")), opt(Int32, 0)},
         [](C &o, const Args &a) {
             return retBool(o.Connect(a.s(0), fbConnectionType(a.i32(1))));
         }},
        {0x60030117,
         Method,
         "Disconnect",
         {},
         [](C &o, const Args &) {
             o.Disconnect();
             return QVariant();
         }},
        {0x680300FB,
         Get,
         "Connected",
         {},
         [](C &o, const Args &) { return retBool(o.Connected()); }},
        {0x680300FA,
         Get,
         "RaiseError",
         {},
         [](C &o, const Args &) { return retBool(o.RaiseError()); }},
        {0x680300FA,
         Put,
         "RaiseError",
         {Bool},
         [](C &o, const Args &a) {
             o.setRaiseError(a.b(0));
             return QVariant();
         }},
        {0x680300F9, Get, "LastError", {}, [](C &o, const Args &) { return ret16(o.LastError()); }},
        {0x680300F8, Get, "IsAlive", {}, [](C &o, const Args &) { return retBool(o.IsAlive()); }},
        {0x60030118,
         Method,
         "GetSMSMessage",
         {Int16, opt(Int32, qint32(fbIncomingMessage))},
         [](C &o, const Args &a) {
             return retString(o.GetSMSMessage(a.i16(0), fbSMSMessageType(a.i32(1))));
         }},
        {0x60030119,
         Method,
         "EnableNetMonitorEngineering",
         {},
         [](C &o, const Args &) {
             o.EnableNetMonitorEngineering();
             return QVariant();
         }},
        {0x6003011A,
         Method,
         "EnableNetMonitorFieldTest",
         {},
         [](C &o, const Args &) {
             o.EnableNetMonitorFieldTest();
             return QVariant();
         }},
        {0x6003011B,
         Method,
         "DisableNetMonitor",
         {},
         [](C &o, const Args &) {
             o.DisableNetMonitor();
             return QVariant();
         }},
        {0x680300F7, Get, "ProviderName", {}, [](C &o, const Args &) { return o.ProviderName(); }},
        {0x60030120,
         Method,
         "About",
         {},
         [](C &o, const Args &) {
             o.About();
             return QVariant();
         }},
        {0x60030121,
         Method,
         "SetStartupText",
         {String},
         [](C &o, const Args &a) {
             o.SetStartupText(a.s(0));
             return QVariant();
         }},
        {0x680300F6,
         Get,
         "SpeedDial",
         {Int16},
         [](C &o, const Args &a) { return retObject(o.SpeedDial(a.i16(0))); }},
        {0x680300F5,
         Get,
         "PhoneBook",
         {Int16, opt(Int32, qint32(fbSimMemory))},
         [](C &o, const Args &a) {
             return retObject(o.PhoneBook(a.i16(0), fbMemoryType(a.i32(1))));
         }},
        {0x680300F4, Get, "SMS", {}, [](C &o, const Args &) { return retObject(o.SMS()); }},
        {0x680300F3, Get, "Logo", {}, [](C &o, const Args &) { return retObject(o.Logo()); }},
        {0x680300F2,
         Get,
         "RingTone",
         {},
         [](C &o, const Args &) { return retObject(o.RingTone()); }},
        {0x680300F1,
         Put,
         "DateTime",
         {DateTime},
         [](C &o, const Args &a) {
             o.setDateTime(a.dt(0));
             return QVariant();
         }},
        {0x680300F1,
         Get,
         "DateTime",
         {},
         [](C &o, const Args &) { return retDateTime(o.DateTime()); }},
        {0x680300F0,
         Put,
         "AlarmTime",
         {Time},
         [](C &o, const Args &a) {
             o.setAlarmTime(a.t(0));
             return QVariant();
         }},
        {0x680300F0,
         Get,
         "AlarmTime",
         {},
         [](C &o, const Args &) { return retTime(o.AlarmTime()); }},
        {0x680300EF,
         Get,
         "AlarmEnabled",
         {},
         [](C &o, const Args &) { return retBool(o.AlarmEnabled()); }},
        {0x680300EE,
         Get,
         "CallInProgress",
         {},
         [](C &o, const Args &) { return retBool(o.CallInProgress()); }},
        {0x680300ED,
         Get,
         "KeyboardLocked",
         {},
         [](C &o, const Args &) { return retBool(o.KeyboardLocked()); }},
        {0x680300EC, Get, "RfLevel", {}, [](C &o, const Args &) { return retFloat(o.RfLevel()); }},
        {0x680300EB,
         Get,
         "BatteryLevel",
         {},
         [](C &o, const Args &) { return retFloat(o.BatteryLevel()); }},
        {0x680300EA,
         Get,
         "ACDCPower",
         {},
         [](C &o, const Args &) { return retBool(o.ACDCPower()); }},
        {0x680300E9,
         Get,
         "IncomingCallInProgress",
         {},
         [](C &o, const Args &) { return retBool(o.IncomingCallInProgress()); }},
        {0x680300E8,
         Get,
         "CurrentCallNr",
         {},
         [](C &o, const Args &) { return retString(o.CurrentCallNr()); }},
        {0x680300E7,
         Get,
         "CurrentCallName",
         {},
         [](C &o, const Args &) { return retString(o.CurrentCallName()); }},
        {0x60030124,
         Method,
         "Beep",
         {},
         [](C &o, const Args &) {
             o.Beep();
             return QVariant();
         }},
        {0x60030125,
         Method,
         "SetLogoPicture",
         {Picture, opt(Int16, 128), opt(Variant, qint32(16711935))},
         [](C &o, const Args &a) {
             o.SetLogoPicture(a.v(0).value<QImage>(), a.i16(1), a.v(2));
             return QVariant();
         }},
        {0x60030127,
         Method,
         "LoadAnimation",
         {String, opt(Int16, 128)},
         [](C &o, const Args &a) {
             o.LoadAnimation(a.s(0), a.i16(1));
             return QVariant();
         }},
        {0x680300E5,
         Put,
         "AnimateLogo",
         {Bool},
         [](C &o, const Args &a) {
             o.setAnimateLogo(a.b(0));
             return QVariant();
         }},
        {0x680300E5,
         Get,
         "AnimateLogo",
         {},
         [](C &o, const Args &) { return retBool(o.AnimateLogo()); }},
        {0x60030128,
         Method,
         "Answer",
         {},
         [](C &o, const Args &) {
             o.Answer();
             return QVariant();
         }},
        {0x68030129,
         Get,
         "PhoneCapabilities",
         {},
         [](C &o, const Args &) { return retString(o.PhoneCapabilities()); }},
    };
    return t;
}

}  // namespace

QVariant VelkorControl::invoke(qint32 dispId, DispatchKind kind, const QVariantList &args) {
    return table().invoke(*this, dispId, kind, args);
}
