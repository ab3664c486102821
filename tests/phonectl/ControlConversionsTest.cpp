// How the control turns engine answers into values and values into engine
// arguments.
#include <QDateTime>

#include "ControlTestSupport.h"

namespace {

void answerGetSms(int box, const std::string &number, const std::string &text) {
    fakeengine::answer("getsms").result(box).text(0, number).text(1, text);
}

TEST_F(ControlTest, GetSmsMessageCountsOnlyMessagesOfTheWantedTypeAndEndsAtTheEnd) {
    connect();
    answerGetSms(13, "+1", "first");
    answerGetSms(11, "+2", "sent one");
    answerGetSms(12, "+3", "report");
    answerGetSms(13, "+4", "second");
    answerGetSms(13, "+5", "third");
    EXPECT_EQ(control->GetSMSMessage(2, fbIncomingMessage), QStringLiteral("second"));
    // A pure index walk: each message is asked for once, up to the one found.
    EXPECT_EQ(fakeengine::callsTo("getsms"), (Lines{"getsms(0, buf, buf)", "getsms(1, buf, buf)",
                                                    "getsms(2, buf, buf)", "getsms(3, buf, buf)"}));

    // Other types are found the same way; the end of the list ends the walk.
    fakeengine::reset();
    answerGetSms(13, "+1", "in");
    answerGetSms(11, "+2", "out");
    answerGetSms(3, "", "");
    EXPECT_EQ(control->GetSMSMessage(1, fbOutgoingMessage), QStringLiteral("out"));
    fakeengine::reset();
    answerGetSms(13, "+1", "in");
    answerGetSms(3, "", "");
    EXPECT_EQ(control->GetSMSMessage(2), QString());
    EXPECT_EQ(fakeengine::callsTo("getsms").size(), 2u);
}

TEST_F(ControlTest, GetSmsMessageStopsAtAnEngineErrorAndTakesNoMessageZero) {
    connect();
    fakeengine::byDefault("getsms").result(1);  // PE_NOT_CONNECTED on every index
    EXPECT_EQ(control->GetSMSMessage(1), QString());
    EXPECT_EQ(fakeengine::callsTo("getsms").size(), 1u);
    answerGetSms(13, "+1", "in");
    EXPECT_EQ(control->GetSMSMessage(0), QString());
}

TEST_F(ControlTest, CurrentCallNumberTurnsLeadingDIntoPlusAndDropsSingleCharacters) {
    const std::pair<std::string, QString> cases[] = {
        {"D12345", "+12345"},   {"5", ""},     {"D", ""}, {"", ""},
        {"0401234", "0401234"}, {"12D", "12D"}};
    for (const auto &[engineText, expected] : cases) {
        fakeengine::answer("incoming").text(0, engineText);
        EXPECT_EQ(control->CurrentCallNr(), expected) << engineText;
    }
}

TEST_F(ControlTest, PhoneSoftwareDateFollowsTheTwoDigitYearRule) {
    const std::pair<std::string, QDate> cases[] = {{"12-03-99", QDate(1999, 3, 12)},
                                                   {"12-03-05", QDate(2005, 3, 12)},
                                                   {"01-01-90", QDate(1990, 1, 1)},
                                                   {"31-12-89", QDate(2089, 12, 31)},
                                                   {"7-4-2001", QDate(2001, 4, 7)}};
    for (const auto &[engineText, expected] : cases) {
        fakeengine::answer("getswdate").text(0, engineText);
        EXPECT_EQ(control->PhoneSoftwareDate(), QDateTime(expected, QTime(0, 0))) << engineText;
    }
}

TEST_F(ControlTest, PhoneSoftwareDateIsTheZeroDateForTextsThatAreNoDate) {
    for (const std::string engineText : {"", "120399", "31-02-99", "ab-03-99", "12-03", "--"}) {
        fakeengine::answer("getswdate").text(0, engineText);
        EXPECT_TRUE(control->PhoneSoftwareDate().isNull()) << engineText;
    }
}

TEST_F(ControlTest, MissingFieldsGiveEmptyTexts) {
    fakeengine::byDefault("lookupnetwork").text(0, "Telco");
    fakeengine::byDefault("lookupmodel").text(0, "NHM-5\tAcme");
    fakeengine::byDefault("getrevision").text(0, "V 05.45");
    EXPECT_EQ(control->ProviderName(), QVariant(QStringLiteral("Telco")));
    EXPECT_EQ(control->ProviderCountry(), QString());
    EXPECT_EQ(control->ProviderSMSC(), QString());
    EXPECT_EQ(control->PhoneModelName(), QString());
    EXPECT_EQ(control->PhoneSoftwareRev(), QStringLiteral("05.45"));
    EXPECT_EQ(control->PhoneHardwareRev(), QString());
}

TEST_F(ControlTest, LevelsFlagsAndClockValuesOfOddAnswers) {
    connect();
    fakeengine::answer("getbatterylevel").result(1);  // fails, writes nothing: the preset stays
    EXPECT_FLOAT_EQ(control->BatteryLevel(), -0.01f);
    fakeengine::byDefault("getdisplaystatus").text(0, "011111");
    EXPECT_FALSE(control->CallInProgress());
    EXPECT_FALSE(control->KeyboardLocked());  // only six characters
    // Clock values that are no date give the zero date.
    fakeengine::answer("getdatetime").out(0, 2024).out(1, 13).out(2, 1);
    EXPECT_TRUE(control->DateTime().isNull());
    fakeengine::answer("getalarm").out(0, 1).out(1, 25).out(2, 0);
    EXPECT_EQ(control->AlarmTime(), QTime(0, 0));
}

TEST_F(ControlTest, NetmonitorScreenNumberHasAtLeastTwoDigits) {
    connect();
    control->NetmonitorScreen(7);
    control->NetmonitorScreen(12);
    control->NetmonitorScreen(123);
    control->NetmonitorScreen(-5);
    EXPECT_EQ(fakeengine::callsTo("netmonitor"),
              (Lines{R"(netmonitor("07", buf))", R"(netmonitor("12", buf))",
                     R"(netmonitor("123", buf))", R"(netmonitor("-05", buf))"}));
}

TEST_F(ControlTest, SendSmsMessageCutsLongTextsAndSendsTheSmsSettings) {
    connect();
    control->setSMSSettingSet(2);
    control->setSMSClass(fbSmsClassFlash);
    fakeengine::reset();
    const QString longText(40000, QLatin1Char('a'));
    EXPECT_TRUE(control->SendSMSMessage(QStringLiteral("555"), longText));
    const std::string expected = "sendsms(\"555\", \"" + std::string(39014, 'a') + "\", 2, 0)";
    EXPECT_EQ(fakeengine::callsTo("sendsms"), (Lines{expected}));

    fakeengine::answer("sendsms").result(2);
    EXPECT_FALSE(control->SendSMSMessage(QStringLiteral("555"), QStringLiteral("x")));
}

TEST_F(ControlTest, TextsGoToAndComeFromTheEngineAsLatin1) {
    control->SetStartupText(QStringLiteral("Gr\u00fc\u00dfe \u20ac"));
    EXPECT_EQ(fakeengine::callsTo("setlogo"), (Lines{"setlogo(\"text\", \"Gr\xfc\xdf"
                                                     "e ?\", \"\")"}));
    fakeengine::answer("getimei").text(0, "caf\xe9");
    EXPECT_EQ(control->IMEI(), QStringLiteral("caf\u00e9"));
}

TEST_F(ControlTest, ZeroDateGoesToThePhoneAsTheZeroDate) {
    connect();
    control->setDateTime(QDateTime());
    EXPECT_EQ(fakeengine::callsTo("setdatetime"), (Lines{"setdatetime(1899, 12, 30, 0, 0, 0)"}));
}

}  // namespace
