// Every member of FBLogo through both doors against the recording fake
// engine: the exact engine calls, the result, and whether the engine's code
// became LastError.
#include "ControlTestSupport.h"
#include "velkor17/FBLogo.h"

namespace {

using L = FBLogo;
using M = Member<L>;

// LastError before each case; a case that stores no code leaves it.
constexpr qint16 kEarlier = 9;

Reply sized(int type, int width, int height, const char *netCode = "") {
    return Reply("logo_getdata").out(0, type).out(1, width).out(2, height).text(0, netCode);
}
Reply messageData(int length, int unicode) {
    return Reply("logo_getmessagedata").out(0, length).out(1, unicode);
}

const std::vector<M> &rows() {
    const char *unknownSize = R"(logo_getdata(&, &, &, "1", 0))";
    const std::string text = "logo_getmessagetext(buf)";
    static const std::vector<M> all = {
        M("LastError", 0x68030009, Get, {}, {}, {}, v(kEarlier),
          [](L &l) { return l.LastError(); }),
        M(stores(8), "ReadFile", 0x6003000C, Method, {"/tmp/Ä.nol"},
          {Reply("logo_readfile").result(8)}, {"logo_readfile(\"/tmp/\xC4.nol\")"}, QVariant(),
          [](L &l) { l.ReadFile("/tmp/Ä.nol"); }),
        M(stores(0), "WriteFile", 0x6003000D, Method, {"a.ngg"}, {}, {"logo_writefile(\"a.ngg\")"},
          QVariant(), [](L &l) { l.WriteFile("a.ngg"); }),
        M(stores(9), "WriteBmp", 0x6003000E, Method, {"a.bmp"}, {Reply("logo_writebmp").result(9)},
          {"logo_writebmp(\"a.bmp\")"}, QVariant(), [](L &l) { l.WriteBmp("a.bmp"); }),
        M(stores(1), "Upload", 0x6003000F, Method, {}, {Reply("logo_upload").result(1)},
          {"logo_upload()"}, QVariant(), [](L &l) { l.Upload(); }),
        M(stores(0), "DownloadCallerGroupSetsTheGroupFirst", 0x60030010, Method, {3, 3},
          {Reply("logo_setgroupnumber").result(6)}, {"logo_setgroupnumber(3)", "logo_download(3)"},
          QVariant(), [](L &l) { l.Download(fbCallerLogo, 3); }),
        M(stores(2), "DownloadWithoutLocationSetsNoGroup", 0x60030010, Method, {2},
          {Reply("logo_download").result(2)}, {"logo_download(2)"}, QVariant(),
          [](L &l) { l.Download(fbOperatorLogo); }),
        M(stores(0), "DownloadLocationZeroIsALocation", 0x60030010, Method, {4, 0}, {},
          {"logo_setgroupnumber(0)", "logo_download(4)"}, QVariant(),
          [](L &l) { l.Download(fbPictureMessage, 0); }),
        M("PixelGet", 0x68030008, Get, {83, 47}, {Reply("logo_getpixel").result(1)},
          {"logo_getpixel(83, 47)"}, v<qint16>(1), [](L &l) { return l.Pixel(83, 47); }),
        M("PixelLet", 0x68030008, Put, {5, 6, 0}, {Reply("logo_setpixel").result(6)},
          {"logo_setpixel(5, 6, 0)"}, QVariant(), [](L &l) { l.setPixel(5, 6, 0); }),
        M(stores(0), "LogoTypeGet", 0x68030007, Get, {}, {sized(3, 72, 14)}, {unknownSize},
          v<qint32>(3), [](L &l) { return l.LogoType(); }),
        M(stores(6), "LogoTypeLetKeepsTheNetworkCode", 0x68030007, Put, {1},
          {sized(2, 72, 14, "244 05"), Reply("logo_setdata").result(6)},
          {"logo_getdata(&, &, &, buf)", R"(logo_setdata(1, "244 05"))"}, QVariant(),
          [](L &l) { l.setLogoType(fbStartupLogo); }),
        M("NetCodeGetLeavesLastError", 0x68030006, Get, {}, {sized(2, 72, 14, "310 260")},
          {"logo_getdata(&, &, &, buf)"}, v(QStringLiteral("310 260")),
          [](L &l) { return l.NetCode(); }),
        M(stores(0), "NetCodeLetKeepsTheType", 0x68030006, Put, {"244 91"}, {sized(4, 72, 28)},
          {unknownSize, R"(logo_setdata(4, "244 91"))"}, QVariant(),
          [](L &l) { l.setNetCode("244 91"); }),
        M(stores(0), "Width", 0x68030005, Get, {}, {sized(1, 84, 48)}, {unknownSize}, v<qint16>(84),
          [](L &l) { return l.Width(); }),
        M(stores(6), "HeightStoresTheCode", 0x68030004, Get, {},
          {Reply("logo_getdata").out(2, 28).result(6)}, {unknownSize}, v<qint16>(28),
          [](L &l) { return l.Height(); }),
        M("CallerGroupNumberGet", 0x68030003, Get, {}, {Reply("logo_getgroupnumber").result(4)},
          {"logo_getgroupnumber()"}, v<qint16>(4), [](L &l) { return l.CallerGroupNumber(); }),
        M("CallerGroupNumberLet", 0x68030003, Put, {7}, {}, {"logo_setgroupnumber(7)"}, QVariant(),
          [](L &l) { l.setCallerGroupNumber(7); }),
        M("CallerGroupNameGet", 0x68030002, Get, {}, {Reply("logo_getgroupname").text(0, "Family")},
          {"logo_getgroupname(buf)"}, v(QStringLiteral("Family")),
          [](L &l) { return l.CallerGroupName(); }),
        M("CallerGroupNameLet", 0x68030002, Put, {"VIP"}, {}, {R"(logo_setgroupname("VIP"))"},
          QVariant(), [](L &l) { l.setCallerGroupName("VIP"); }),
        M(stores(5), "SendAsSMS", 0x60030012, Method, {"+358401234567"},
          {Reply("sendoplogoviasms").result(5)}, {R"(sendoplogoviasms("+358401234567"))"},
          QVariant(), [](L &l) { l.SendAsSMS("+358401234567"); }),
        M(stores(0), "SendSiemensOta", 0x60030013, Method, {"555"}, {},
          {R"(logo_sendsiemensota("555", 1, 1))"}, QVariant(),
          [](L &l) { l.SendSiemensOta("555"); }),
        M("MessageUnicodeGet", 0x68030001, Get, {}, {}, {}, v(false),
          [](L &l) { return l.MessageUnicode(); }),
        M("MessageTextGet8Bit", 0x68030000, Get, {},
          {messageData(5, 0), Reply("logo_getmessagetext")
                                  .text(0,
                                        "Gr\xFC\xDF"
                                        "e world")},
          {"logo_getmessagedata(&, &)", text}, v(QStringLiteral("Grüße")),
          [](L &l) { return l.MessageText(); }),
        M("MessageTextGetUnicode", 0x68030000, Get, {},
          {messageData(3, 1), Reply("logo_getmessagetext").utf16(0, u"Ωµ€ and more")},
          {"logo_getmessagedata(&, &)", text}, v(QStringLiteral("Ωµ€")),
          [](L &l) { return l.MessageText(); }),
        M("MessageTextGetEmptyAsksForNoText", 0x68030000, Get, {}, {messageData(0, 1)},
          {"logo_getmessagedata(&, &)"}, v(QString()), [](L &l) { return l.MessageText(); }),
        M("MessageTextGetStopsAtTheEnginesEnd", 0x68030000, Get, {},
          {messageData(40, 0), Reply("logo_getmessagetext").text(0, "short")},
          {"logo_getmessagedata(&, &)", text}, v(QStringLiteral("short")),
          [](L &l) { return l.MessageText(); }),
        M("MessageTextLet8Bit", 0x68030000, Put, {"Grüße"}, {},
          {"logo_setmessage(\"Gr\xFC\xDF"
           "e\", 5, 0)"},
          QVariant(), [](L &l) { l.setMessageText("Grüße"); }),
        M("GetLastReceived", 0x60030014, Method, {}, {Reply("logo_getlastreceived").result(2)},
          {"logo_getlastreceived()"}, v(true), [](L &l) { return l.GetLastReceived(); }),
    };
    return all;
}

class LogoMembers : public MemberTest<L> {
protected:
    void SetUp() override {
        MemberTest<L>::SetUp();
        object = control->Logo();
        fakeengine::answer("logo_upload").result(kEarlier);
        object->Upload();
        fakeengine::reset();
        earlier = kEarlier;
    }
};

MEMBER_TESTS(LogoMembers, rows());

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

    // Setting the flag chooses UTF-16 without an engine call.
    fakeengine::reset();
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

// The engine refuses a longer text and keeps the old one, so the object cuts
// what it passes on; a surrogate pair is never split.
TEST_F(LogoTest, TextsLongerThanTheEngineHoldsAreCutToFit) {
    struct Row {
        bool unicode;
        QString text;
        const char *expected;
    } rows[] = {
        {false, QString(600, QLatin1Char('a')), "511, 0)"},
        {true, QString(600, QChar(u'Ω')), "1022, 1)"},
        {true, QString(510, QLatin1Char('b')) + QStringLiteral("😀"), "1020, 1)"},
    };
    for (const Row &r : rows) {
        fakeengine::reset();
        logo->setMessageUnicode(r.unicode);
        logo->setMessageText(r.text);
        const Lines calls = fakeengine::callsTo("logo_setmessage");
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_TRUE(calls[0].ends_with(r.expected)) << calls[0];
    }
    fakeengine::reset();
    logo->setCallerGroupName(QString(300, QLatin1Char('n')));
    EXPECT_EQ(fakeengine::callsTo("logo_setgroupname"),
              Lines{"logo_setgroupname(\"" + std::string(255, 'n') + "\")"});
}

}  // namespace
