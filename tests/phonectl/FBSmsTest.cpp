// FBSms, FBSmsBox and FBSmsMessage against the recording fake engine: every
// member through both doors, the link flag the control passes in, the send
// flags and the message fields.
#include <functional>

#include "ControlTestSupport.h"
#include "velkor17/FBSms.h"
#include "velkor17/FBSmsBox.h"
#include "velkor17/FBSmsMessage.h"

namespace {

constexpr DispatchKind Method = DispatchKind::Method;
constexpr DispatchKind Get = DispatchKind::PropertyGet;
constexpr DispatchKind Put = DispatchKind::PropertyPut;

// LastError before each case; a case that stores no code leaves it.
constexpr qint16 kEarlier = 9;

template <typename T>
QVariant v(T value) {
    return QVariant::fromValue<T>(value);
}

void none() {}

struct SmsCase {
    const char *name;
    bool connected;  // what the control told the SMS object
    std::function<void()> script;
    qint32 dispId;
    DispatchKind kind;
    QVariantList args;
    std::function<QVariant(FBSms &)> typed;
    Lines expectedCalls;
    QVariant expected;
    qint16 lastErrorAfter;
};

const std::vector<SmsCase> &smsCases() {
    using S = FBSms;
    const QString dest = QStringLiteral("+358401234567");
    static const std::vector<SmsCase> all = {
        {"SettingSetLetSelectsTheStoredCentre",
         true,
         none,
         0x6803000E,
         Put,
         {3},
         [](S &s) { return s.setSMSSettingSet(3), QVariant(); },
         {R"(setsmsmessagecenter(3, ""))"},
         QVariant(),
         kEarlier},
        {"SettingSetLetZeroCallsNothing",
         true,
         none,
         0x6803000E,
         Put,
         {0},
         [](S &s) { return s.setSMSSettingSet(0), QVariant(); },
         {},
         QVariant(),
         kEarlier},
        {"SettingSetLetWhileDownCallsNothing",
         false,
         none,
         0x6803000E,
         Put,
         {2},
         [](S &s) { return s.setSMSSettingSet(2), QVariant(); },
         {},
         QVariant(),
         kEarlier},
        {"SettingSetGet",
         true,
         none,
         0x6803000E,
         Get,
         {},
         [](S &s) { return v(s.SMSSettingSet()); },
         {},
         v<qint16>(1),
         kEarlier},
        {"MessageCenterLet",
         false,
         none,
         0x6803000D,
         Put,
         {QStringLiteral("+358405202999")},
         [](S &s) { return s.setSMSMessageCenter(QStringLiteral("+358405202999")), QVariant(); },
         {R"(setsmsmessagecenter(0, "+358405202999"))"},
         QVariant(),
         kEarlier},
        {"MessageCenterGet",
         true,
         [] { fakeengine::answer("getsmsmessagecenter").text(0, "+358405202999"); },
         0x6803000D,
         Get,
         {},
         [](S &s) { return v(s.SMSMessageCenter()); },
         {"getsmsmessagecenter(buf, 128)"},
         v(QStringLiteral("+358405202999")),
         kEarlier},
        {"MessageCenterGetWhileDownWithAStoredSet",
         false,
         none,
         0x6803000D,
         Get,
         {},
         [](S &s) { return v(s.SMSMessageCenter()); },
         {},
         v(QString()),
         kEarlier},
        {"TimeOutLet",
         true,
         none,
         0x6803000C,
         Put,
         {70000},
         [](S &s) { return s.setTimeOut(70000), QVariant(); },
         {"setsmstimeout(70000)"},
         QVariant(),
         kEarlier},
        {"TimeOutGet",
         true,
         [] { fakeengine::answer("getsmstimeout").result(45000); },
         0x6803000C,
         Get,
         {},
         [](S &s) { return v(s.TimeOut()); },
         {"getsmstimeout()"},
         v<qint32>(45000),
         kEarlier},
        {"SendDelayLet",
         false,
         none,
         0x6803000B,
         Put,
         {250},
         [](S &s) { return s.setSendDelay(250), QVariant(); },
         {"set_smssenddelay(250)"},
         QVariant(),
         kEarlier},
        {"SendDelayGet",
         false,
         [] { fakeengine::answer("get_smssenddelay").result(100); },
         0x6803000B,
         Get,
         {},
         [](S &s) { return v(s.SendDelay()); },
         {"get_smssenddelay()"},
         v<qint32>(100),
         kEarlier},
        {"PIDLet",
         true,
         none,
         0x6803000A,
         Put,
         {0x7F},
         [](S &s) { return s.setPID(0x7F), QVariant(); },
         {"sms_setpid(127)"},
         QVariant(),
         kEarlier},
        {"PIDGet",
         true,
         [] { fakeengine::answer("sms_getpid").result(0x41); },
         0x6803000A,
         Get,
         {},
         [](S &s) { return v(s.PID()); },
         {"sms_getpid()"},
         v<quint8>(0x41),
         kEarlier},
        {"DCSLet",
         true,
         none,
         0x68030009,
         Put,
         {0xF5},
         [](S &s) { return s.setDCS(0xF5), QVariant(); },
         {"sms_setdcs(245)"},
         QVariant(),
         kEarlier},
        {"DCSGet",
         true,
         [] { fakeengine::answer("sms_getdcs").result(8); },
         0x68030009,
         Get,
         {},
         [](S &s) { return v(s.DCS()); },
         {"sms_getdcs()"},
         v<quint8>(8),
         kEarlier},
        {"UnreadMessages",
         true,
         [] { fakeengine::answer("getsmsmsgunread").result(2); },
         0x68030005,
         Get,
         {},
         [](S &s) { return v(s.UnreadMessages()); },
         {"getsmsmsgunread()"},
         v<qint16>(2),
         kEarlier},
        {"TotalMessages",
         true,
         [] { fakeengine::answer("getsmsmsgtotal").result(12); },
         0x68030004,
         Get,
         {},
         [](S &s) { return v(s.TotalMessages()); },
         {"getsmsmsgtotal()"},
         v<qint16>(12),
         kEarlier},
        {"CodePageLet",
         true,
         none,
         0x68030003,
         Put,
         {1252},
         [](S &s) { return s.setCodePage(1252), QVariant(); },
         {"set_codepage(1252)"},
         QVariant(),
         kEarlier},
        {"CodePageGet",
         true,
         [] { fakeengine::answer("get_codepage").result(437); },
         0x68030003,
         Get,
         {},
         [](S &s) { return v(s.CodePage()); },
         {"get_codepage()"},
         v<qint32>(437),
         kEarlier},
        {"Waiting",
         true,
         [] { fakeengine::answer("smssendwaiting").result(4); },
         0x68030002,
         Get,
         {},
         [](S &s) { return v(s.Waiting()); },
         {"smssendwaiting()"},
         v(true),
         kEarlier},
        {"MustWaitLet",
         true,
         none,
         0x68030001,
         Put,
         {true},
         [](S &s) { return s.setMustWait(true), QVariant(); },
         {"setsmssendmode(1)"},
         QVariant(),
         kEarlier},
        {"MustWaitGet",
         true,
         [] { fakeengine::answer("getsmssendmode").result(0); },
         0x68030001,
         Get,
         {},
         [](S &s) { return v(s.MustWait()); },
         {"getsmssendmode()"},
         v(false),
         kEarlier},
        {"SendMessageWithTheDefaults",
         true,
         none,
         0x60030010,
         Method,
         {dest, QStringLiteral("Hi")},
         [dest](S &s) { return v(s.SendMessage(dest, QStringLiteral("Hi"))); },
         {R"(sendsms("+358401234567", "Hi", 1, 1))"},
         v(true),
         0},
        {"SendMessageAskingForADeliveryReport",
         true,
         [] { fakeengine::answer("sendsms").result(11); },
         0x60030010,
         Method,
         {dest, QStringLiteral("Grüße"), 1, true},
         [dest](S &s) {
             return v(s.SendMessage(dest, QStringLiteral("Grüße"), fbSmsClassNormal, true));
         },
         {"sendsms(\"+358401234567\", \"Gr\xFC\xDF"
          "e\", 1, 65537)"},
         v(false),
         11},
        {"SendMessageFlash",
         true,
         none,
         0x60030010,
         Method,
         {dest, QStringLiteral("!"), 0},
         [dest](S &s) { return v(s.SendMessage(dest, QStringLiteral("!"), fbSmsClassFlash)); },
         {R"(sendsms("+358401234567", "!", 1, 0))"},
         v(true),
         0},
        {"SendMessageWhileDown",
         false,
         none,
         0x60030010,
         Method,
         {dest, QStringLiteral("Hi")},
         [dest](S &s) { return v(s.SendMessage(dest, QStringLiteral("Hi"))); },
         {},
         v(false),
         -1},
        {"SendUnicode",
         true,
         none,
         0x60030011,
         Method,
         {dest, QStringLiteral("Ωmega €"), 2, true},
         [dest](S &s) {
             return v(s.SendUnicode(dest, QStringLiteral("Ωmega €"), fbSmsClass2, true));
         },
         {R"(senducs2("+358401234567", u"Ωmega €", 1, 65538))"},
         v(true),
         0},
        {"SendUnicodeWhileDown",
         false,
         none,
         0x60030011,
         Method,
         {dest, QStringLiteral("Ω")},
         [dest](S &s) { return v(s.SendUnicode(dest, QStringLiteral("Ω"))); },
         {},
         v(false),
         -1},
        {"SendSiemensOta",
         true,
         [] { fakeengine::answer("sendsiemensota").result(5); },
         0x60030012,
         Method,
         {dest, QStringLiteral("/tmp/pic.bmp"), 3},
         [dest](S &s) {
             return v(s.SendSiemensOta(dest, QStringLiteral("/tmp/pic.bmp"), fbSmsClass3));
         },
         {R"(sendsiemensota("+358401234567", "/tmp/pic.bmp", 1, 3))"},
         v(false),
         5},
        {"SendSiemensOtaWhileDown",
         false,
         none,
         0x60030012,
         Method,
         {dest, QStringLiteral("f")},
         [dest](S &s) { return v(s.SendSiemensOta(dest, QStringLiteral("f"))); },
         {},
         v(false),
         -1},
        {"Refresh",
         true,
         [] { fakeengine::answer("updatesmslist").result(2); },
         0x60030013,
         Method,
         {},
         [](S &s) { return s.Refresh(), QVariant(); },
         {"updatesmslist()"},
         QVariant(),
         kEarlier},
        {"LastError",
         false,
         none,
         0x68030000,
         Get,
         {},
         [](S &s) { return v(s.LastError()); },
         {},
         v<qint16>(kEarlier),
         kEarlier},
    };
    return all;
}

// The shared SMS object after a connect (setting set 1) with LastError 9,
// told the link is up or down.
class SmsObjectTest : public ControlTest {
protected:
    FBSms *smsWithLink(bool up) {
        connect();
        FBSms *sms = control->SMS();
        fakeengine::answer("sendsms").result(kEarlier);
        sms->SendMessage(QStringLiteral("1"), QStringLiteral("x"));
        if (!up) {
            control->setRaiseError(false);
            control->Disconnect();
            sms = control->SMS();
        }
        fakeengine::reset();
        return sms;
    }
};

class SmsMembers : public SmsObjectTest, public ::testing::WithParamInterface<SmsCase> {
protected:
    void SetUp() override {
        SmsObjectTest::SetUp();
        sms = smsWithLink(GetParam().connected);
        GetParam().script();
    }
    FBSms *sms = nullptr;
};

TEST_P(SmsMembers, TypedCallMakesTheEngineCallsAndGivesTheResult) {
    const QVariant result = GetParam().typed(*sms);
    EXPECT_EQ(fakeengine::calls(), GetParam().expectedCalls);
    EXPECT_EQ(result, GetParam().expected);
    EXPECT_EQ(sms->LastError(), GetParam().lastErrorAfter);
}

TEST_P(SmsMembers, InvokeByDispIdDoesTheSameWithTheSameType) {
    const QVariant result = sms->invoke(GetParam().dispId, GetParam().kind, GetParam().args);
    EXPECT_EQ(fakeengine::calls(), GetParam().expectedCalls);
    EXPECT_EQ(result, GetParam().expected);
    EXPECT_EQ(result.metaType(), GetParam().expected.metaType());
    EXPECT_EQ(sms->LastError(), GetParam().lastErrorAfter);
}

INSTANTIATE_TEST_SUITE_P(AllMembers, SmsMembers, ::testing::ValuesIn(smsCases()),
                         [](const ::testing::TestParamInfo<SmsCase> &info) {
                             return std::string(info.param.name);
                         });

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
    EXPECT_EQ(inbox->boxType(), 13);
    EXPECT_EQ(sms->Outbox()->boxType(), 11);
    EXPECT_EQ(sms->DeliveryNotifications()->boxType(), 12);
    EXPECT_EQ(sms->Inbox(), inbox);
    EXPECT_NE(sms->Outbox(), inbox);
    EXPECT_EQ(inbox->parent(), sms);
    EXPECT_EQ(qobject_cast<FBSmsBox *>(sms->invoke(0x68030008, Get).value<QObject *>()), inbox);
    EXPECT_EQ(qobject_cast<FBSmsBox *>(sms->invoke(0x68030007, Get).value<QObject *>()),
              sms->Outbox());
    EXPECT_EQ(qobject_cast<FBSmsBox *>(sms->invoke(0x68030006, Get).value<QObject *>()),
              sms->DeliveryNotifications());
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

// ---- FBSmsMessage ----------------------------------------------------------------

class SmsMessageTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        message = control->SMS()->Inbox()->Item(2);
        fakeengine::answer("deletesmsmsg").result(kEarlier);
        message->Delete();
        fakeengine::reset();
    }
    FBSmsMessage *message = nullptr;
};

TEST_F(SmsMessageTest, DateTimeGivesDateAndTimeAndStoresTheCode) {
    fakeengine::answer("getsmsmsgdatetime")
        .out(0, 2004)
        .out(1, 3)
        .out(2, 12)
        .out(3, 13)
        .out(4, 45)
        .out(5, 30);
    EXPECT_EQ(message->DateTime(), QDateTime(QDate(2004, 3, 12), QTime(13, 45, 30)));
    EXPECT_EQ(message->LastError(), 0);
    EXPECT_EQ(fakeengine::calls(), Lines{"getsmsmsgdatetime(13, 2, &, &, &, &, &, &)"});

    fakeengine::answer("getsmsmsgdatetime").result(10);
    const QVariant failed = message->invoke(0x68030007, Get);
    EXPECT_EQ(failed.metaType(), QMetaType::fromType<QDateTime>());
    EXPECT_TRUE(failed.toDateTime().isNull());
    EXPECT_EQ(message->LastError(), 10);

    // Values that make no date give the zero date too.
    fakeengine::answer("getsmsmsgdatetime")
        .out(0, 2004)
        .out(1, 13)
        .out(2, 40)
        .out(3, 0)
        .out(4, 0)
        .out(5, 0);
    EXPECT_TRUE(message->DateTime().isNull());
}

TEST_F(SmsMessageTest, TextOfAPlainMessageIsEightBit) {
    fakeengine::answer("getsmsmsgdata").result(0);  // encoding
    fakeengine::answer("getsmsmsgdata")
        .text(0,
              "Gr\xFC\xDF"
              "e");
    EXPECT_EQ(message->Text(), QStringLiteral("Grüße"));
    EXPECT_EQ(fakeengine::calls(),
              (Lines{"getsmsmsgdata(13, 2, 5, null, 0)", "getsmsmsgdata(13, 2, 1, buf, 1024)"}));
    EXPECT_EQ(message->LastError(), 0);
}

TEST_F(SmsMessageTest, TextOfAUnicodeOrBinaryMessageIsUtf16OfTheGivenLength) {
    for (int encoding : {1, 2}) {
        fakeengine::reset();
        fakeengine::answer("getsmsmsgdata").result(encoding);
        fakeengine::answer("getsmsmsgdata").result(3);  // length
        fakeengine::answer("getsmsmsgdata").utf16(0, u"Ωµ€ and more").result(0);
        EXPECT_EQ(message->invoke(0x68030006, Get), v(QStringLiteral("Ωµ€")));
        EXPECT_EQ(fakeengine::calls(),
                  (Lines{"getsmsmsgdata(13, 2, 5, null, 0)", "getsmsmsgdata(13, 2, 4, null, 0)",
                         "getsmsmsgdata(13, 2, 1, buf, 1024)"}));
    }
    // A length beyond the text stops at the text's end.
    fakeengine::answer("getsmsmsgdata").result(1);
    fakeengine::answer("getsmsmsgdata").result(5000);
    fakeengine::answer("getsmsmsgdata").utf16(0, u"short").result(6);
    EXPECT_EQ(message->Text(), QStringLiteral("short"));
    EXPECT_EQ(message->LastError(), 6);
}

TEST_F(SmsMessageTest, AFailingEncodingReadFallsBackToTheEightBitText) {
    fakeengine::answer("getsmsmsgdata").result(-10);
    fakeengine::answer("getsmsmsgdata").result(10);
    EXPECT_EQ(message->Text(), QString());
    EXPECT_EQ(message->LastError(), 10);
    EXPECT_EQ(fakeengine::calls().back(), "getsmsmsgdata(13, 2, 1, buf, 1024)");
}

TEST_F(SmsMessageTest, SenderDestinationAndCentreAreFieldsTwoThreeAndSix) {
    fakeengine::answer("getsmsmsgdata").text(0, "+111");
    fakeengine::answer("getsmsmsgdata").text(0, "+222").result(4);
    fakeengine::answer("getsmsmsgdata").text(0, "+333");
    EXPECT_EQ(message->Sender(), QStringLiteral("+111"));
    EXPECT_EQ(message->invoke(0x68030004, Get), v(QStringLiteral("+222")));
    EXPECT_EQ(message->LastError(), 4);
    EXPECT_EQ(message->invoke(0x68030003, Get), v(QStringLiteral("+333")));
    EXPECT_EQ(message->LastError(), 0);
    EXPECT_EQ(fakeengine::calls(),
              (Lines{"getsmsmsgdata(13, 2, 2, buf, 1024)", "getsmsmsgdata(13, 2, 3, buf, 1024)",
                     "getsmsmsgdata(13, 2, 6, buf, 1024)"}));
}

TEST_F(SmsMessageTest, SentReadEncodingAndDelete) {
    fakeengine::answer("getsmssentread").result(1);
    EXPECT_TRUE(message->SentRead());
    EXPECT_EQ(message->invoke(0x68030002, Get), v(false));
    fakeengine::answer("getsmsmsgdata").result(2);
    EXPECT_EQ(message->Encoding(), fbSmsMessageBinary);
    fakeengine::answer("getsmsmsgdata").result(1);
    EXPECT_EQ(message->invoke(0x68030001, Get), v<qint32>(fbSmsMessageUnicode));
    EXPECT_EQ(message->LastError(), kEarlier);  // none of these store a code
    fakeengine::answer("deletesmsmsg").result(0);
    message->invoke(0x6003000D, Method);
    EXPECT_EQ(message->LastError(), 0);
    EXPECT_EQ(
        fakeengine::calls(),
        (Lines{"getsmssentread(13, 2)", "getsmssentread(13, 2)", "getsmsmsgdata(13, 2, 5, null, 0)",
               "getsmsmsgdata(13, 2, 5, null, 0)", "deletesmsmsg(13, 2)"}));
}

}  // namespace
