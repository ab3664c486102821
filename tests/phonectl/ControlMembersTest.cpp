// Every member of the control through both doors: the typed C++ call and
// invoke by DISPID must make the same engine calls and give the same result.
#include <QDateTime>
#include <QTime>
#include <set>

#include "ControlTestSupport.h"

namespace {

using C = VelkorControl;
using M = Member<C>;

const QDateTime kLeapDay(QDate(2024, 2, 29), QTime(13, 45, 30));
const Reply kNetwork = Reply("lookupnetwork").text(0, "Telco\tFinland\t+35850");
const Reply kRevision = Reply("getrevision").text(0, "V 05.45,HW:0510");
const QString kHello = QStringLiteral("Hello");

const std::vector<M> &rows() {
    const RowFlags down = linkDown();
    static const std::vector<M> all = {
        M(down, "SMSSettingSetGet", 0x68030109, Get, {}, {}, {}, v<qint16>(1),
          [](C &c) { return c.SMSSettingSet(); }),
        M(down, "SMSClassGet", 0x68030108, Get, {}, {}, {}, v<qint16>(1),
          [](C &c) { return qint16(c.SMSClass()); }),
        M(down, "LAC", 0x68030107, Get, {}, {Reply("getnetworkinfo").text(2, "1A2B")},
          {R"(getnetworkinfo("1", 0, "1", 0, buf))"}, v(QStringLiteral("1A2B")),
          [](C &c) { return c.LAC(); }),
        M(down, "CellId", 0x68030106, Get, {}, {Reply("getnetworkinfo").text(1, "0F3C")},
          {R"(getnetworkinfo("1", 0, buf, "1", 0))"}, v(QStringLiteral("0F3C")),
          [](C &c) { return c.CellId(); }),
        M(down, "ProviderCode", 0x68030105, Get, {}, {Reply("getnetworkinfo").text(0, "244 05")},
          {R"(getnetworkinfo(buf, "1", 0, "1", 0))"}, v(QStringLiteral("244 05")),
          [](C &c) { return c.ProviderCode(); }),
        M(down, "ProviderCountry", 0x68030104, Get, {}, {kNetwork}, {"lookupnetwork(buf)"},
          v(QStringLiteral("Finland")), [](C &c) { return c.ProviderCountry(); }),
        M(down, "ProviderSMSC", 0x68030103, Get, {}, {kNetwork}, {"lookupnetwork(buf)"},
          v(QStringLiteral("+35850")), [](C &c) { return c.ProviderSMSC(); }),
        M(down, "ProviderName", 0x680300F7, Get, {}, {kNetwork}, {"lookupnetwork(buf)"},
          v(QStringLiteral("Telco")), [](C &c) { return c.ProviderName(); }),
        M(down, "IMEI", 0x68030102, Get, {}, {Reply("getimei").text(0, "490154203237518")},
          {"getimei(buf)"}, v(QStringLiteral("490154203237518")), [](C &c) { return c.IMEI(); }),
        M(down, "PhoneSoftwareRev", 0x68030101, Get, {}, {kRevision}, {"getrevision(buf)"},
          v(QStringLiteral("05.45")), [](C &c) { return c.PhoneSoftwareRev(); }),
        M(down, "PhoneSoftwareDate", 0x68030100, Get, {}, {Reply("getswdate").text(0, "12-03-99")},
          {"getswdate(buf)"}, v(QDateTime(QDate(1999, 3, 12), QTime(0, 0))),
          [](C &c) { return c.PhoneSoftwareDate(); }),
        M(down, "PhoneHardwareRev", 0x680300FF, Get, {}, {kRevision}, {"getrevision(buf)"},
          v(QStringLiteral("0510")), [](C &c) { return c.PhoneHardwareRev(); }),
        M(down, "PhoneModelCode", 0x680300FE, Get, {}, {Reply("getmodel").text(0, "NHM-5")},
          {"getmodel(buf)"}, v(QStringLiteral("NHM-5")), [](C &c) { return c.PhoneModelCode(); }),
        M(down, "PhoneModelName", 0x680300FD, Get, {},
          {Reply("lookupmodel").text(0, "NHM-5\tAcme\tX100")}, {"lookupmodel(buf)"},
          v(QStringLiteral("Acme X100")), [](C &c) { return c.PhoneModelName(); }),
        M(down, "PhoneCapabilities", 0x68030129, Get, {},
          {Reply("getmodelcapabilities").text(0, "OCPSR")}, {"getmodelcapabilities(buf)"},
          v(QStringLiteral("OCPSR")), [](C &c) { return c.PhoneCapabilities(); }),
        M("SendSMSMessage", 0x6003010A, Method, {"555", "hi"}, {},
          {R"(sendsms("555", "hi", 1, 1))"}, v(true),
          [](C &c) { return c.SendSMSMessage("555", "hi"); }),
        M("NetmonitorScreen", 0x680300FC, Get, {7}, {Reply("netmonitor").text(0, "CH:0017")},
          {R"(netmonitor("07", buf))"}, v(QStringLiteral("CH:0017")),
          [](C &c) { return c.NetmonitorScreen(7); }),
        M("VoiceCall", 0x6003010B, Method, {"+3581234"}, {}, {R"(dialvoice("+3581234"))"},
          QVariant(), [](C &c) { c.VoiceCall("+3581234"); }),
        M("HangUp", 0x6003010C, Method, {}, {}, {"hangup()"}, QVariant(), [](C &c) { c.HangUp(); }),
        M("ResetSoft", 0x6003010D, Method, {}, {}, {R"(reset("soft"))"}, QVariant(),
          [](C &c) { c.Reset(); }),
        M("ResetHard", 0x6003010D, Method, {true}, {}, {R"(reset("hard"))"}, QVariant(),
          [](C &c) { c.Reset(true); }),
        M("SendDtmf", 0x6003010E, Method, {"12#"}, {}, {R"(send_dtmf("12#"))"}, QVariant(),
          [](C &c) { c.SendDtmf("12#"); }),
        M("SendKeys", 0x6003010F, Method, {"mc"}, {}, {R"(sendkeystrokes("mc"))"}, QVariant(),
          [](C &c) { c.SendKeys("mc"); }),
        M(down, "Connect", 0x60030116, Method, {"COM2F", 1}, {Reply("smsreceivedcount").result(4)},
          {R"(init("COM2F", 1))", "smsreceivedcount()"}, v(true),
          [](C &c) { return c.Connect("COM2F", fbConnectionInfrared); }),
        M("Disconnect", 0x60030117, Method, {}, {}, {"terminate()"}, QVariant(),
          [](C &c) { c.Disconnect(); }),
        M("Connected", 0x680300FB, Get, {}, {}, {}, v(true), [](C &c) { return c.Connected(); }),
        M(down, "RaiseErrorGet", 0x680300FA, Get, {}, {}, {}, v(true),
          [](C &c) { return c.RaiseError(); }),
        M(down, "LastError", 0x680300F9, Get, {}, {}, {}, v<qint16>(0),
          [](C &c) { return c.LastError(); }),
        M(down, "IsAlive", 0x680300F8, Get, {}, {Reply("isalive").result(1)}, {"isalive()"},
          v(true), [](C &c) { return c.IsAlive(); }),
        M("GetSMSMessage", 0x60030118, Method, {1},
          {Reply("getsms").result(13).text(0, "+35850").text(1, "Hello")}, {"getsms(0, buf, buf)"},
          v(kHello), [](C &c) { return c.GetSMSMessage(1); }),
        M("EnableNetMonitorEngineering", 0x60030119, Method, {}, {},
          {R"(netmonitor("devel", buf))"}, QVariant(),
          [](C &c) { c.EnableNetMonitorEngineering(); }),
        M("EnableNetMonitorFieldTest", 0x6003011A, Method, {}, {}, {R"(netmonitor("field", buf))"},
          QVariant(), [](C &c) { c.EnableNetMonitorFieldTest(); }),
        M("DisableNetMonitor", 0x6003011B, Method, {}, {}, {R"(netmonitor("off", buf))"},
          QVariant(), [](C &c) { c.DisableNetMonitor(); }),
        M(down, "SetStartupText", 0x60030121, Method, {kHello}, {},
          {R"(setlogo("text", "Hello", ""))"}, QVariant(), [](C &c) { c.SetStartupText(kHello); }),
        M("DateTimePut", 0x680300F1, Put, {kLeapDay}, {}, {"setdatetime(2024, 2, 29, 13, 45, 30)"},
          QVariant(), [](C &c) { c.setDateTime(kLeapDay); }),
        M("DateTimeGet", 0x680300F1, Get, {},
          {Reply("getdatetime").out(0, 2024).out(1, 2).out(2, 29).out(3, 13).out(4, 45).out(5, 30)},
          {"getdatetime(&, &, &, &, &, &)"}, v(kLeapDay), [](C &c) { return c.DateTime(); }),
        M("AlarmTimePut", 0x680300F0, Put, {QTime(6, 15)}, {}, {"setalarm(6, 15)"}, QVariant(),
          [](C &c) { c.setAlarmTime(QTime(6, 15)); }),
        M("AlarmTimeGet", 0x680300F0, Get, {}, {Reply("getalarm").out(0, 1).out(1, 7).out(2, 30)},
          {"getalarm(&, &, &)"}, v(QTime(7, 30)), [](C &c) { return c.AlarmTime(); }),
        M("AlarmEnabled", 0x680300EF, Get, {}, {Reply("getalarm").out(0, 1)}, {"getalarm(&, &, &)"},
          v(true), [](C &c) { return c.AlarmEnabled(); }),
        M("CallInProgress", 0x680300EE, Get, {}, {Reply("getdisplaystatus").text(0, "1000000")},
          {"getdisplaystatus(buf)"}, v(true), [](C &c) { return c.CallInProgress(); }),
        M("KeyboardLocked", 0x680300ED, Get, {}, {Reply("getdisplaystatus").text(0, "0000001")},
          {"getdisplaystatus(buf)"}, v(true), [](C &c) { return c.KeyboardLocked(); }),
        M("RfLevel", 0x680300EC, Get, {}, {Reply("getrflevel").out(0, 75)}, {"getrflevel(&)"},
          v(0.75f), [](C &c) { return c.RfLevel(); }),
        M("BatteryLevel", 0x680300EB, Get, {}, {Reply("getbatterylevel").out(0, 50)},
          {"getbatterylevel(&)"}, v(0.5f), [](C &c) { return c.BatteryLevel(); }),
        M("ACDCPower", 0x680300EA, Get, {}, {Reply("uses_acdc_power").result(1)},
          {"uses_acdc_power()"}, v(true), [](C &c) { return c.ACDCPower(); }),
        M(down, "IncomingCallInProgress", 0x680300E9, Get, {}, {}, {}, v(false),
          [](C &c) { return c.IncomingCallInProgress(); }),
        M(down, "CurrentCallNr", 0x680300E8, Get, {}, {Reply("incoming").text(0, "D12345")},
          {"incoming(buf)"}, v(QStringLiteral("+12345")), [](C &c) { return c.CurrentCallNr(); }),
        M(down, "CurrentCallName", 0x680300E7, Get, {}, {Reply("incomingname").text(0, "Alice")},
          {"incomingname(buf)"}, v(QStringLiteral("Alice")),
          [](C &c) { return c.CurrentCallName(); }),
        M(down, "Beep", 0x60030124, Method, {}, {}, {"gsmbeep(1)", "gsmbeep(0)"}, QVariant(),
          [](C &c) { c.Beep(); }),
        M(down, "AnimateLogoGet", 0x680300E5, Get, {}, {}, {}, v(false),
          [](C &c) { return c.AnimateLogo(); }),
        M("Answer", 0x60030128, Method, {}, {}, {"answercall()"}, QVariant(),
          [](C &c) { c.Answer(); }),
    };
    return all;
}

class ControlMembers : public MemberTest<C> {
protected:
    void SetUp() override {
        MemberTest<C>::SetUp();
        if (!GetParam().flags.down) {
            connect();
        }
        object = control.get();
        prefix = {"set_vlkr_instance(H)"};
    }
};

// Every member that needs the link, with the link down: NotConnected (or,
// without raising, its result type's empty value), no engine call but the
// instance selection, and LastError 3. The clock and status reads give their
// zero values instead (ControlConnectionTest).
TEST_P(ControlMembers, WithTheLinkDownNeedsTheLink) {
    const M &m = GetParam();
    static const std::set<std::string> zeroWhileDown = {"Connected", "DateTimeGet", "AlarmTimeGet",
                                                        "CallInProgress", "KeyboardLocked"};
    if (m.flags.down || zeroWhileDown.count(m.name) != 0) {
        return;  // works without the link
    }
    control->Disconnect();
    for (bool raise : {true, false}) {
        control->setRaiseError(raise);
        fakeengine::reset();
        QVariant result;
        const VelkorError e = raisedBy([&] { result = control->invoke(m.dispId, m.kind, m.args); });
        if (raise) {
            EXPECT_EQ(e.number(), velkor17::ErrorNumber::NotConnected);
            EXPECT_EQ(e.description(), QStringLiteral("VelkorLink not connected"));
        } else {
            EXPECT_EQ(e.number(), 0);
            EXPECT_EQ(result, m.expected.isValid() ? QVariant(m.expected.metaType()) : QVariant());
        }
        EXPECT_EQ(calls(), Lines{"set_vlkr_instance(H)"});
        EXPECT_EQ(control->LastError(), 3);
    }
}

MEMBER_TESTS(ControlMembers, rows());

}  // namespace
