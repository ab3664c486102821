// Every member of FBLogo through both doors against the recording fake
// engine: the exact engine calls, the result, and whether the engine's code
// became LastError.
#include <functional>

#include "ControlTestSupport.h"
#include "velkor17/FBLogo.h"

namespace {

constexpr DispatchKind Method = DispatchKind::Method;
constexpr DispatchKind Get = DispatchKind::PropertyGet;
constexpr DispatchKind Put = DispatchKind::PropertyPut;

// LastError before each case; a case that stores no code leaves it.
constexpr qint16 kEarlierError = 9;

struct LogoCase {
    const char *name;
    std::function<void()> script;
    qint32 dispId;
    DispatchKind kind;
    QVariantList args;
    std::function<QVariant(FBLogo &)> typed;
    Lines expectedCalls;
    QVariant expected;
    qint16 lastErrorAfter;
};

template <typename T>
QVariant v(T value) {
    return QVariant::fromValue<T>(value);
}

void none() {}

void sized(int type, int width, int height, const char *netCode = "") {
    fakeengine::answer("logo_getdata")
        .out(0, type)
        .out(1, width)
        .out(2, height)
        .text(0, netCode)
        .result(0);
}

const std::vector<LogoCase> &cases() {
    using L = FBLogo;
    static const std::vector<LogoCase> all = {
        {"LastError",
         none,
         0x68030009,
         Get,
         {},
         [](L &l) { return v(l.LastError()); },
         {},
         v<qint16>(kEarlierError),
         kEarlierError},
        {"ReadFile",
         [] { fakeengine::answer("logo_readfile").result(8); },
         0x6003000C,
         Method,
         {QStringLiteral("/tmp/Ä.nol")},
         [](L &l) { return l.ReadFile(QStringLiteral("/tmp/Ä.nol")), QVariant(); },
         {"logo_readfile(\"/tmp/\xC4.nol\")"},
         QVariant(),
         8},
        {"WriteFile",
         none,
         0x6003000D,
         Method,
         {QStringLiteral("a.ngg")},
         [](L &l) { return l.WriteFile(QStringLiteral("a.ngg")), QVariant(); },
         {"logo_writefile(\"a.ngg\")"},
         QVariant(),
         0},
        {"WriteBmp",
         [] { fakeengine::answer("logo_writebmp").result(9); },
         0x6003000E,
         Method,
         {QStringLiteral("a.bmp")},
         [](L &l) { return l.WriteBmp(QStringLiteral("a.bmp")), QVariant(); },
         {"logo_writebmp(\"a.bmp\")"},
         QVariant(),
         9},
        {"Upload",
         [] { fakeengine::answer("logo_upload").result(1); },
         0x6003000F,
         Method,
         {},
         [](L &l) { return l.Upload(), QVariant(); },
         {"logo_upload()"},
         QVariant(),
         1},
        {"DownloadCallerGroupSetsTheGroupFirst",
         [] { fakeengine::answer("logo_setgroupnumber").result(6); },
         0x60030010,
         Method,
         {3, 3},
         [](L &l) { return l.Download(fbCallerLogo, 3), QVariant(); },
         {"logo_setgroupnumber(3)", "logo_download(3)"},
         QVariant(),
         0},
        {"DownloadWithoutLocationSetsNoGroup",
         [] { fakeengine::answer("logo_download").result(2); },
         0x60030010,
         Method,
         {2},
         [](L &l) { return l.Download(fbOperatorLogo), QVariant(); },
         {"logo_download(2)"},
         QVariant(),
         2},
        {"DownloadLocationZeroIsALocation",
         none,
         0x60030010,
         Method,
         {4, 0},
         [](L &l) { return l.Download(fbPictureMessage, 0), QVariant(); },
         {"logo_setgroupnumber(0)", "logo_download(4)"},
         QVariant(),
         0},
        {"PixelGet",
         [] { fakeengine::answer("logo_getpixel").result(1); },
         0x68030008,
         Get,
         {83, 47},
         [](L &l) { return v(l.Pixel(83, 47)); },
         {"logo_getpixel(83, 47)"},
         v<qint16>(1),
         kEarlierError},
        {"PixelLet",
         [] { fakeengine::answer("logo_setpixel").result(6); },
         0x68030008,
         Put,
         {5, 6, 0},
         [](L &l) { return l.setPixel(5, 6, 0), QVariant(); },
         {"logo_setpixel(5, 6, 0)"},
         QVariant(),
         kEarlierError},
        {"LogoTypeGet",
         [] { sized(3, 72, 14); },
         0x68030007,
         Get,
         {},
         [](L &l) { return v<qint32>(l.LogoType()); },
         {R"(logo_getdata(&, &, &, "1", 0))"},
         v<qint32>(3),
         0},
        {"LogoTypeLetKeepsTheNetworkCode",
         [] {
             sized(2, 72, 14, "244 05");
             fakeengine::answer("logo_setdata").result(6);
         },
         0x68030007,
         Put,
         {1},
         [](L &l) { return l.setLogoType(fbStartupLogo), QVariant(); },
         {"logo_getdata(&, &, &, buf, 32)", R"(logo_setdata(1, "244 05"))"},
         QVariant(),
         6},
        {"NetCodeGetLeavesLastError",
         [] { sized(2, 72, 14, "310 260"); },
         0x68030006,
         Get,
         {},
         [](L &l) { return v(l.NetCode()); },
         {"logo_getdata(&, &, &, buf, 32)"},
         v(QStringLiteral("310 260")),
         kEarlierError},
        {"NetCodeLetKeepsTheType",
         [] { sized(4, 72, 28); },
         0x68030006,
         Put,
         {QStringLiteral("244 91")},
         [](L &l) { return l.setNetCode(QStringLiteral("244 91")), QVariant(); },
         {R"(logo_getdata(&, &, &, "1", 0))", R"(logo_setdata(4, "244 91"))"},
         QVariant(),
         0},
        {"Width",
         [] { sized(1, 84, 48); },
         0x68030005,
         Get,
         {},
         [](L &l) { return v(l.Width()); },
         {R"(logo_getdata(&, &, &, "1", 0))"},
         v<qint16>(84),
         0},
        {"HeightStoresTheCode",
         [] { fakeengine::answer("logo_getdata").out(2, 28).result(6); },
         0x68030004,
         Get,
         {},
         [](L &l) { return v(l.Height()); },
         {R"(logo_getdata(&, &, &, "1", 0))"},
         v<qint16>(28),
         6},
        {"CallerGroupNumberGet",
         [] { fakeengine::answer("logo_getgroupnumber").result(4); },
         0x68030003,
         Get,
         {},
         [](L &l) { return v(l.CallerGroupNumber()); },
         {"logo_getgroupnumber()"},
         v<qint16>(4),
         kEarlierError},
        {"CallerGroupNumberLet",
         none,
         0x68030003,
         Put,
         {7},
         [](L &l) { return l.setCallerGroupNumber(7), QVariant(); },
         {"logo_setgroupnumber(7)"},
         QVariant(),
         kEarlierError},
        {"CallerGroupNameGet",
         [] { fakeengine::answer("logo_getgroupname").text(0, "Family"); },
         0x68030002,
         Get,
         {},
         [](L &l) { return v(l.CallerGroupName()); },
         {"logo_getgroupname(buf, 256)"},
         v(QStringLiteral("Family")),
         kEarlierError},
        {"CallerGroupNameLet",
         none,
         0x68030002,
         Put,
         {QStringLiteral("VIP")},
         [](L &l) { return l.setCallerGroupName(QStringLiteral("VIP")), QVariant(); },
         {R"(logo_setgroupname("VIP"))"},
         QVariant(),
         kEarlierError},
        {"SendAsSMS",
         [] { fakeengine::answer("sendoplogoviasms").result(5); },
         0x60030012,
         Method,
         {QStringLiteral("+358401234567")},
         [](L &l) { return l.SendAsSMS(QStringLiteral("+358401234567")), QVariant(); },
         {R"(sendoplogoviasms("+358401234567"))"},
         QVariant(),
         5},
        {"SendSiemensOta",
         none,
         0x60030013,
         Method,
         {QStringLiteral("555")},
         [](L &l) { return l.SendSiemensOta(QStringLiteral("555")), QVariant(); },
         {R"(logo_sendsiemensota("555", 1, 1))"},
         QVariant(),
         0},
        {"MessageUnicodeGet",
         none,
         0x68030001,
         Get,
         {},
         [](L &l) { return v(l.MessageUnicode()); },
         {},
         v(false),
         kEarlierError},
        {"MessageTextGet8Bit",
         [] {
             fakeengine::answer("logo_getmessagedata").out(0, 5).out(1, 0);
             fakeengine::answer("logo_getmessagetext")
                 .text(0,
                       "Gr\xFC\xDF"
                       "e world");
         },
         0x68030000,
         Get,
         {},
         [](L &l) { return v(l.MessageText()); },
         {"logo_getmessagedata(&, &)", "logo_getmessagetext(buf, 512)"},
         v(QStringLiteral("Grüße")),
         kEarlierError},
        {"MessageTextGetUnicode",
         [] {
             fakeengine::answer("logo_getmessagedata").out(0, 3).out(1, 1);
             fakeengine::answer("logo_getmessagetext").utf16(0, u"Ωµ€ and more");
         },
         0x68030000,
         Get,
         {},
         [](L &l) { return v(l.MessageText()); },
         {"logo_getmessagedata(&, &)", "logo_getmessagetext(buf, 512)"},
         v(QStringLiteral("Ωµ€")),
         kEarlierError},
        {"MessageTextGetEmptyAsksForNoText",
         [] { fakeengine::answer("logo_getmessagedata").out(0, 0).out(1, 1); },
         0x68030000,
         Get,
         {},
         [](L &l) { return v(l.MessageText()); },
         {"logo_getmessagedata(&, &)"},
         v(QString()),
         kEarlierError},
        {"MessageTextGetStopsAtTheEnginesEnd",
         [] {
             fakeengine::answer("logo_getmessagedata").out(0, 40).out(1, 0);
             fakeengine::answer("logo_getmessagetext").text(0, "short");
         },
         0x68030000,
         Get,
         {},
         [](L &l) { return v(l.MessageText()); },
         {"logo_getmessagedata(&, &)", "logo_getmessagetext(buf, 512)"},
         v(QStringLiteral("short")),
         kEarlierError},
        {"MessageTextLet8Bit",
         none,
         0x68030000,
         Put,
         {QStringLiteral("Grüße")},
         [](L &l) { return l.setMessageText(QStringLiteral("Grüße")), QVariant(); },
         {"logo_setmessage(\"Gr\xFC\xDF"
          "e\", 5, 0)"},
         QVariant(),
         kEarlierError},
        {"GetLastReceived",
         [] { fakeengine::answer("logo_getlastreceived").result(2); },
         0x60030014,
         Method,
         {},
         [](L &l) { return v(l.GetLastReceived()); },
         {"logo_getlastreceived()"},
         v(true),
         kEarlierError},
    };
    return all;
}

class LogoMembers : public ControlTest, public ::testing::WithParamInterface<LogoCase> {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        logo = control->Logo();
        fakeengine::answer("logo_upload").result(kEarlierError);
        logo->Upload();
        fakeengine::reset();
        GetParam().script();
    }
    FBLogo *logo = nullptr;
};

TEST_P(LogoMembers, TypedCallMakesTheEngineCallsAndGivesTheResult) {
    const QVariant result = GetParam().typed(*logo);
    EXPECT_EQ(fakeengine::calls(), GetParam().expectedCalls);
    EXPECT_EQ(result, GetParam().expected);
    EXPECT_EQ(logo->LastError(), GetParam().lastErrorAfter);
}

TEST_P(LogoMembers, InvokeByDispIdDoesTheSameWithTheSameType) {
    const QVariant result = logo->invoke(GetParam().dispId, GetParam().kind, GetParam().args);
    EXPECT_EQ(fakeengine::calls(), GetParam().expectedCalls);
    EXPECT_EQ(result, GetParam().expected);
    EXPECT_EQ(result.metaType(), GetParam().expected.metaType());
    EXPECT_EQ(logo->LastError(), GetParam().lastErrorAfter);
}

INSTANTIATE_TEST_SUITE_P(AllMembers, LogoMembers, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<LogoCase> &info) {
                             return std::string(info.param.name);
                         });

class LogoTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        logo = control->Logo();
        fakeengine::reset();
    }
    FBLogo *logo = nullptr;
};

TEST_F(LogoTest, ReadingTheTextTellsItsEncodingAndWritingFollowsIt) {
    fakeengine::answer("logo_getmessagedata").out(0, 2).out(1, 1);
    fakeengine::answer("logo_getmessagetext").utf16(0, u"Ωx");
    EXPECT_EQ(logo->MessageText(), QStringLiteral("Ωx"));
    EXPECT_TRUE(logo->MessageUnicode());
    logo->setMessageText(QStringLiteral("Ω€"));
    EXPECT_EQ(fakeengine::callsTo("logo_setmessage"), Lines{R"(logo_setmessage(u"Ω€", 4, 1))"});

    fakeengine::reset();
    fakeengine::answer("logo_getmessagedata").out(0, 2).out(1, 0);
    fakeengine::answer("logo_getmessagetext").text(0, "Hi");
    EXPECT_EQ(logo->MessageText(), QStringLiteral("Hi"));
    EXPECT_FALSE(logo->MessageUnicode());
    // Characters beyond ISO-8859-1 cannot go as 8-bit text.
    logo->setMessageText(QStringLiteral("Ωk"));
    EXPECT_EQ(fakeengine::callsTo("logo_setmessage"), Lines{R"(logo_setmessage("?k", 2, 0))"});
}

TEST_F(LogoTest, SettingTheFlagChoosesUtf16WithoutAnEngineCall) {
    logo->invoke(0x68030001, Put, {true});
    EXPECT_TRUE(fakeengine::calls().empty());
    EXPECT_TRUE(logo->invoke(0x68030001, Get).toBool());
    logo->setMessageText(QString());
    EXPECT_EQ(fakeengine::calls(), Lines{R"(logo_setmessage(u"", 0, 1))"});
}

TEST_F(LogoTest, ATextFillingTheWholeBufferIsCutToTheBuffer) {
    const std::string longText(600, 'x');
    fakeengine::answer("logo_getmessagedata").out(0, 600).out(1, 0);
    fakeengine::answer("logo_getmessagetext").text(0, longText);
    EXPECT_EQ(logo->MessageText(), QString(511, QLatin1Char('x')));
    fakeengine::answer("logo_getmessagedata").out(0, 600).out(1, 1);
    fakeengine::answer("logo_getmessagetext").utf16(0, std::u16string(600, u'y'));
    EXPECT_EQ(logo->MessageText(), QString(511, QLatin1Char('y')));
}

TEST_F(LogoTest, WrongArgumentsByDispIdRaiseTheDispatchErrors) {
    EXPECT_EQ(errorOf([&] { logo->invoke(0x68030008, Get, {1}); }), qint32(0x8002000E));
    EXPECT_EQ(errorOf([&] { logo->invoke(0x60030010, Method, {QStringLiteral("x")}); }),
              qint32(0x80020005));
    EXPECT_EQ(errorOf([&] { logo->invoke(0x6803000A, Get); }), qint32(0x80020003));
    EXPECT_TRUE(fakeengine::calls().empty());
}

}  // namespace
