// FBSms, FBSmsBox and FBSmsMessage against the recording fake engine: every
// member through both doors, the link flag the control passes in, the send
// flags and the message fields.
#include "ControlTestSupport.h"
#include "velkor17/FBSms.h"
#include "velkor17/FBSmsBox.h"
#include "velkor17/FBSmsMessage.h"

namespace {

using S = FBSms;
using M = Member<S>;

// LastError before each case; a case that stores no code leaves it.
constexpr qint16 kEarlier = 9;

const std::vector<M> &smsRows() {
    const QString dest = QStringLiteral("+358401234567");
    const RowFlags down = linkDown();
    const RowFlags downFails = stores(-1, true);
    static const std::vector<M> all = {
        M("SettingSetLetSelectsTheStoredCentre", 0x6803000E, Put, {3}, {},
          {R"(setsmsmessagecenter(3, ""))"}, QVariant(), [](S &s) { s.setSMSSettingSet(3); }),
        M("SettingSetLetZeroCallsNothing", 0x6803000E, Put, {0}, {}, {}, QVariant(),
          [](S &s) { s.setSMSSettingSet(0); }),
        M(down, "SettingSetLetWhileDownCallsNothing", 0x6803000E, Put, {2}, {}, {}, QVariant(),
          [](S &s) { s.setSMSSettingSet(2); }),
        M("SettingSetGet", 0x6803000E, Get, {}, {}, {}, v<qint16>(1),
          [](S &s) { return s.SMSSettingSet(); }),
        M(down, "MessageCenterLet", 0x6803000D, Put, {"+358405202999"}, {},
          {R"(setsmsmessagecenter(0, "+358405202999"))"}, QVariant(),
          [](S &s) { s.setSMSMessageCenter("+358405202999"); }),
        M("MessageCenterGet", 0x6803000D, Get, {},
          {Reply("getsmsmessagecenter").text(0, "+358405202999")}, {"getsmsmessagecenter(buf)"},
          v(QStringLiteral("+358405202999")), [](S &s) { return s.SMSMessageCenter(); }),
        M(down, "MessageCenterGetWhileDownWithAStoredSet", 0x6803000D, Get, {}, {}, {},
          v(QString()), [](S &s) { return s.SMSMessageCenter(); }),
        M("TimeOutLet", 0x6803000C, Put, {70000}, {}, {"setsmstimeout(70000)"}, QVariant(),
          [](S &s) { s.setTimeOut(70000); }),
        M("TimeOutGet", 0x6803000C, Get, {}, {Reply("getsmstimeout").result(45000)},
          {"getsmstimeout()"}, v<qint32>(45000), [](S &s) { return s.TimeOut(); }),
        M(down, "SendDelayLet", 0x6803000B, Put, {250}, {}, {"set_smssenddelay(250)"}, QVariant(),
          [](S &s) { s.setSendDelay(250); }),
        M(down, "SendDelayGet", 0x6803000B, Get, {}, {Reply("get_smssenddelay").result(100)},
          {"get_smssenddelay()"}, v<qint32>(100), [](S &s) { return s.SendDelay(); }),
        M("PIDLet", 0x6803000A, Put, {0x7F}, {}, {"sms_setpid(127)"}, QVariant(),
          [](S &s) { s.setPID(0x7F); }),
        M("PIDGet", 0x6803000A, Get, {}, {Reply("sms_getpid").result(0x41)}, {"sms_getpid()"},
          v<quint8>(0x41), [](S &s) { return s.PID(); }),
        M("DCSLet", 0x68030009, Put, {0xF5}, {}, {"sms_setdcs(245)"}, QVariant(),
          [](S &s) { s.setDCS(0xF5); }),
        M("DCSGet", 0x68030009, Get, {}, {Reply("sms_getdcs").result(8)}, {"sms_getdcs()"},
          v<quint8>(8), [](S &s) { return s.DCS(); }),
        M("UnreadMessages", 0x68030005, Get, {}, {Reply("getsmsmsgunread").result(2)},
          {"getsmsmsgunread()"}, v<qint16>(2), [](S &s) { return s.UnreadMessages(); }),
        M("TotalMessages", 0x68030004, Get, {}, {Reply("getsmsmsgtotal").result(12)},
          {"getsmsmsgtotal()"}, v<qint16>(12), [](S &s) { return s.TotalMessages(); }),
        M("CodePageLet", 0x68030003, Put, {1252}, {}, {"set_codepage(1252)"}, QVariant(),
          [](S &s) { s.setCodePage(1252); }),
        M("CodePageGet", 0x68030003, Get, {}, {Reply("get_codepage").result(437)},
          {"get_codepage()"}, v<qint32>(437), [](S &s) { return s.CodePage(); }),
        M("Waiting", 0x68030002, Get, {}, {Reply("smssendwaiting").result(4)}, {"smssendwaiting()"},
          v(true), [](S &s) { return s.Waiting(); }),
        M("MustWaitLet", 0x68030001, Put, {true}, {}, {"setsmssendmode(-1)"}, QVariant(),
          [](S &s) { s.setMustWait(true); }),
        M("MustWaitGet", 0x68030001, Get, {}, {Reply("getsmssendmode").result(0)},
          {"getsmssendmode()"}, v(false), [](S &s) { return s.MustWait(); }),
        M(stores(0), "SendMessageWithTheDefaults", 0x60030010, Method, {dest, "Hi"}, {},
          {R"(sendsms("+358401234567", "Hi", 1, 1))"}, v(true),
          [dest](S &s) { return s.SendMessage(dest, "Hi"); }),
        M(stores(11), "SendMessageAskingForADeliveryReport", 0x60030010, Method,
          {dest, "Grüße", 1, true}, {Reply("sendsms").result(11)},
          {"sendsms(\"+358401234567\", \"Gr\xFC\xDF"
           "e\", 1, 65537)"},
          v(false), [dest](S &s) { return s.SendMessage(dest, "Grüße", fbSmsClassNormal, true); }),
        M(stores(0), "SendMessageFlash", 0x60030010, Method, {dest, "!", 0}, {},
          {R"(sendsms("+358401234567", "!", 1, 0))"}, v(true),
          [dest](S &s) { return s.SendMessage(dest, "!", fbSmsClassFlash); }),
        M(downFails, "SendMessageWhileDown", 0x60030010, Method, {dest, "Hi"}, {}, {}, v(false),
          [dest](S &s) { return s.SendMessage(dest, "Hi"); }),
        M(stores(0), "SendUnicode", 0x60030011, Method, {dest, "Ωmega €", 2, true}, {},
          {R"(senducs2("+358401234567", u"Ωmega €", 1, 65538))"}, v(true),
          [dest](S &s) { return s.SendUnicode(dest, "Ωmega €", fbSmsClass2, true); }),
        M(downFails, "SendUnicodeWhileDown", 0x60030011, Method, {dest, "Ω"}, {}, {}, v(false),
          [dest](S &s) { return s.SendUnicode(dest, "Ω"); }),
        M(stores(5), "SendSiemensOta", 0x60030012, Method, {dest, "/tmp/pic.bmp", 3},
          {Reply("sendsiemensota").result(5)},
          {R"(sendsiemensota("+358401234567", "/tmp/pic.bmp", 1, 3))"}, v(false),
          [dest](S &s) { return s.SendSiemensOta(dest, "/tmp/pic.bmp", fbSmsClass3); }),
        M(downFails, "SendSiemensOtaWhileDown", 0x60030012, Method, {dest, "f"}, {}, {}, v(false),
          [dest](S &s) { return s.SendSiemensOta(dest, "f"); }),
        M("Refresh", 0x60030013, Method, {}, {Reply("updatesmslist").result(2)},
          {"updatesmslist()"}, QVariant(), [](S &s) { s.Refresh(); }),
        M(down, "LastError", 0x68030000, Get, {}, {}, {}, v<qint16>(kEarlier),
          [](S &s) { return s.LastError(); }),
    };
    return all;
}

// The shared SMS object after a connect (setting set 1) with LastError 9,
// told the link is up or down.
FBSms *smsObject(VelkorControl &control, bool up) {
    EXPECT_TRUE(control.Connect(QStringLiteral("VIRTUAL")));
    control.findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
    FBSms *sms = control.SMS();
    fakeengine::answer("sendsms").result(kEarlier);
    sms->SendMessage(QStringLiteral("1"), QStringLiteral("x"));
    if (!up) {
        control.setRaiseError(false);
        control.Disconnect();
        sms = control.SMS();
    }
    fakeengine::reset();
    return sms;
}

class SmsObjectTest : public ControlTest {
protected:
    FBSms *smsWithLink(bool up) { return smsObject(*control, up); }
};

class SmsMembers : public MemberTest<S> {
protected:
    void SetUp() override {
        MemberTest<S>::SetUp();
        object = smsObject(*control, !GetParam().flags.down);
        earlier = kEarlier;
    }
};

MEMBER_TESTS(SmsMembers, smsRows());

TEST_F(SmsObjectTest, SettingTheCentreChoosesSetZeroSoReadingItAsksTheEngineEvenWhileDown) {
    FBSms *sms = smsWithLink(false);
    EXPECT_EQ(sms->SMSMessageCenter(), QString());
    EXPECT_TRUE(fakeengine::calls().empty());
    sms->setSMSMessageCenter(QStringLiteral("+44"));
    EXPECT_EQ(sms->SMSSettingSet(), 0);
    fakeengine::answer("getsmsmessagecenter").text(0, "+44");
    EXPECT_EQ(sms->SMSMessageCenter(), QStringLiteral("+44"));
    EXPECT_EQ(fakeengine::callsTo("getsmsmessagecenter").size(), 1u);
}

TEST_F(SmsObjectTest, EightBitMessagesAreCutAndUnicodeOnesAreNot) {
    FBSms *sms = smsWithLink(true);
    const QString longText(40000, QLatin1Char('a'));
    EXPECT_TRUE(sms->SendMessage(QStringLiteral("5"), longText));
    const std::string expected8 = "sendsms(\"5\", \"" + std::string(39014, 'a') + "\", 1, 1)";
    EXPECT_EQ(fakeengine::callsTo("sendsms"), Lines{expected8});
    EXPECT_TRUE(sms->SendUnicode(QStringLiteral("5"), longText));
    const std::string expected16 = "senducs2(\"5\", u\"" + std::string(40000, 'a') + "\", 1, 1)";
    EXPECT_EQ(fakeengine::callsTo("senducs2"), Lines{expected16});
}

TEST_F(SmsObjectTest, TheSendsUseTheCurrentSettingSet) {
    FBSms *sms = smsWithLink(true);
    sms->setSMSSettingSet(4);
    sms->SendMessage(QStringLiteral("5"), QStringLiteral("a"));
    sms->setSMSMessageCenter(QStringLiteral("+1"));
    sms->SendMessage(QStringLiteral("5"), QStringLiteral("b"));
    EXPECT_EQ(fakeengine::callsTo("sendsms"),
              (Lines{R"(sendsms("5", "a", 4, 1))", R"(sendsms("5", "b", 0, 1))"}));
}

TEST_F(SmsObjectTest, BoxesAreCreatedOnceAndKnowTheirType) {
    FBSms *sms = control->SMS();
    fakeengine::reset();
    FBSmsBox *inbox = sms->Inbox();
    EXPECT_EQ(sms->Inbox(), inbox);
    EXPECT_NE(sms->Outbox(), inbox);
    EXPECT_EQ(inbox->parent(), sms);
    const std::tuple<FBSmsBox *, int, qint32> boxes[] = {
        {inbox, 13, 0x68030008},
        {sms->Outbox(), 11, 0x68030007},
        {sms->DeliveryNotifications(), 12, 0x68030006}};
    for (const auto &[box, type, dispId] : boxes) {
        EXPECT_EQ(box->boxType(), type);
        EXPECT_EQ(sms->invoke(dispId, Get).value<QObject *>(), box) << type;
    }
    EXPECT_TRUE(fakeengine::calls().empty());
}

TEST_F(SmsObjectTest, ABoxHandsOutItsOneMessageToldTheAddressAndCountsByType) {
    FBSmsBox *outbox = control->SMS()->Outbox();
    fakeengine::reset();
    FBSmsMessage *first = outbox->Item(1);
    EXPECT_EQ(first->boxType(), 11);
    EXPECT_EQ(first->location(), 1);
    QObject *byDispId = outbox->invoke(0, Get, {4}).value<QObject *>();
    EXPECT_EQ(byDispId, first);
    EXPECT_EQ(first->location(), 4);
    EXPECT_EQ(outbox->invoke(0, Method, {2}).value<QObject *>(), first);
    EXPECT_EQ(first->location(), 2);

    fakeengine::answer("getsmsmsgcount").result(3);
    EXPECT_EQ(outbox->Count(), 3);
    fakeengine::answer("getsmsmsgcount").result(5);
    EXPECT_EQ(outbox->invoke(0x68030002, Get), v<qint16>(5));
    EXPECT_EQ(fakeengine::calls(), (Lines{"getsmsmsgcount(11)", "getsmsmsgcount(11)"}));
}

// ---- FBSmsMessage: inbox message 2, every member through both doors -------

using Msg = FBSmsMessage;
using MM = Member<Msg>;

Reply field(int64_t result) {
    return Reply("getsmsmsgdata").result(result);
}
Reply dateTime(std::initializer_list<int32_t> values, int64_t result = 0) {
    Reply r = Reply("getsmsmsgdatetime");
    int32_t index = 0;
    for (int32_t value : values) {
        r.out(index++, value);
    }
    return r.result(result);
}

const std::vector<MM> &messageRows() {
    const std::string encoding = "getsmsmsgdata(13, 2, 5, null, 0)";
    const std::string length = "getsmsmsgdata(13, 2, 4, null, 0)";
    const std::string text = "getsmsmsgdata(13, 2, 1, buf)";
    const std::string when = "getsmsmsgdatetime(13, 2, &, &, &, &, &, &)";
    const QDateTime noDate = QDateTime();
    static const std::vector<MM> all = {
        MM(stores(0), "DateTime", 0x68030007, Get, {}, {dateTime({2004, 3, 12, 13, 45, 30})},
           {when}, v(QDateTime(QDate(2004, 3, 12), QTime(13, 45, 30))),
           [](Msg &m) { return m.DateTime(); }),
        MM(stores(10), "DateTimeFailedIsTheZeroDate", 0x68030007, Get, {}, {dateTime({}, 10)},
           {when}, v(noDate), [](Msg &m) { return m.DateTime(); }),
        MM(stores(0), "DateTimeThatIsNoDate", 0x68030007, Get, {},
           {dateTime({2004, 13, 40, 0, 0, 0})}, {when}, v(noDate),
           [](Msg &m) { return m.DateTime(); }),
        MM(stores(0), "TextEightBit", 0x68030006, Get, {},
           {field(0), Reply("getsmsmsgdata")
                          .text(0,
                                "Gr\xFC\xDF"
                                "e")},
           {encoding, text}, v(QStringLiteral("Grüße")), [](Msg &m) { return m.Text(); }),
        MM(stores(0), "TextUnicodeOfTheGivenLength", 0x68030006, Get, {},
           {field(1), field(3), Reply("getsmsmsgdata").utf16(0, u"Ωµ€ and more")},
           {encoding, length, text}, v(QStringLiteral("Ωµ€")), [](Msg &m) { return m.Text(); }),
        MM(stores(0), "TextBinaryIsUtf16Too", 0x68030006, Get, {},
           {field(2), field(3), Reply("getsmsmsgdata").utf16(0, u"0A1")}, {encoding, length, text},
           v(QStringLiteral("0A1")), [](Msg &m) { return m.Text(); }),
        MM(stores(6), "TextStopsAtItsEnd", 0x68030006, Get, {},
           {field(1), field(5000), Reply("getsmsmsgdata").utf16(0, u"short").result(6)},
           {encoding, length, text}, v(QStringLiteral("short")), [](Msg &m) { return m.Text(); }),
        MM(stores(10), "TextAfterAFailedEncodingReadIsEightBit", 0x68030006, Get, {},
           {field(-10), field(10)}, {encoding, text}, v(QString()),
           [](Msg &m) { return m.Text(); }),
        MM(stores(0), "Sender", 0x68030005, Get, {}, {Reply("getsmsmsgdata").text(0, "+111")},
           {"getsmsmsgdata(13, 2, 2, buf)"}, v(QStringLiteral("+111")),
           [](Msg &m) { return m.Sender(); }),
        MM(stores(4), "Destination", 0x68030004, Get, {},
           {Reply("getsmsmsgdata").text(0, "+222").result(4)}, {"getsmsmsgdata(13, 2, 3, buf)"},
           v(QStringLiteral("+222")), [](Msg &m) { return m.Destination(); }),
        MM(stores(0), "SMSC", 0x68030003, Get, {}, {Reply("getsmsmsgdata").text(0, "+333")},
           {"getsmsmsgdata(13, 2, 6, buf)"}, v(QStringLiteral("+333")),
           [](Msg &m) { return m.SMSC(); }),
        MM("SentRead", 0x68030002, Get, {}, {Reply("getsmssentread").result(1)},
           {"getsmssentread(13, 2)"}, v(true), [](Msg &m) { return m.SentRead(); }),
        MM("Encoding", 0x68030001, Get, {}, {field(2)}, {encoding}, v<qint32>(fbSmsMessageBinary),
           [](Msg &m) { return m.Encoding(); }),
        MM(stores(0), "Delete", 0x6003000D, Method, {}, {}, {"deletesmsmsg(13, 2)"}, QVariant(),
           [](Msg &m) { m.Delete(); }),
        MM("LastError", 0x68030000, Get, {}, {}, {}, v<qint16>(kEarlier),
           [](Msg &m) { return m.LastError(); }),
    };
    return all;
}

class SmsMessageMembers : public MemberTest<Msg> {
protected:
    void SetUp() override {
        MemberTest<Msg>::SetUp();
        object = control->SMS()->Inbox()->Item(2);
        fakeengine::answer("deletesmsmsg").result(kEarlier);
        object->Delete();
        fakeengine::reset();
        earlier = kEarlier;
    }
};

MEMBER_TESTS(SmsMessageMembers, messageRows());

}  // namespace
