#include <chrono>
#include <thread>

#include "VirtualTestSupport.h"
#include "phone/SmsStore.h"

using namespace phoneeng;
using virtualtest::messageField;
using virtualtest::messageText16;
using virtualtest::textOf;
using virtualtest::VirtualPhoneTest;

namespace {

constexpr const char *kOwn = "+15555550123";
constexpr const char *kOther = "+15555550999";

}  // namespace

TEST_F(VirtualPhoneTest, SmsSentToSelfArrivesWithCountAndAcknowledgement) {
    const int16_t before = getsmsmsgcount(PE_BOX_INBOX);
    ASSERT_EQ(sendsms(kOwn, "Note to self", 1, 1), PE_OK);
    EXPECT_EQ(getsmsmsgcount(PE_BOX_OUTBOX), 1);
    EXPECT_EQ(getsmssentread(PE_BOX_OUTBOX, 1), 1);
    EXPECT_EQ(messageField(PE_BOX_OUTBOX, 1, PE_SMSFIELD_DESTINATION), kOwn);
    EXPECT_EQ(messageField(PE_BOX_OUTBOX, 1, PE_SMSFIELD_SMSC), "+15555550200");
    EXPECT_EQ(smsreceivedcount(), 1);
    ASSERT_EQ(getsmsmsgcount(PE_BOX_INBOX), before + 1);
    EXPECT_EQ(getsmssentread(PE_BOX_INBOX, before + 1), 0);
    EXPECT_EQ(messageField(PE_BOX_INBOX, before + 1, PE_SMSFIELD_SENDER), kOwn);
    EXPECT_EQ(messageField(PE_BOX_INBOX, before + 1, PE_SMSFIELD_TEXT), "Note to self");
    EXPECT_EQ(getsmssentread(PE_BOX_INBOX, before + 1), 1);  // reading the text marks it read

    int32_t data = -1, ack = -1;
    ASSERT_EQ(getsmssendack(&data, &ack), 1);
    EXPECT_EQ(ack, 1);
    EXPECT_TRUE(data >= 0 && data <= 255);
    EXPECT_EQ(getsmssendack(&data, &ack), 0);      // each send once
    EXPECT_EQ(getsmsmsgcount(PE_BOX_REPORTS), 0);  // none asked for
}

TEST_F(VirtualPhoneTest, SmsDeliveryReportArrivesWhenAskedFor) {
    ASSERT_EQ(sendsms(kOther, "Report please", 1, 1 | PE_SMS_DELIVERY_REPORT), PE_OK);
    ASSERT_EQ(getsmsmsgcount(PE_BOX_REPORTS), 1);
    EXPECT_EQ(messageField(PE_BOX_REPORTS, 1, PE_SMSFIELD_SENDER), kOther);
    EXPECT_EQ(messageField(PE_BOX_REPORTS, 1, PE_SMSFIELD_TEXT), "Delivered");
    EXPECT_EQ(smsreceivedcount(), 0);  // a report is no received message
    int32_t data = -1, ack = -1;
    ASSERT_EQ(getsmssendack(&data, &ack), 1);
    EXPECT_EQ(ack, 1);
}

TEST_F(VirtualPhoneTest, SmsLongAndUnicodeTextsAreKeptWhole) {
    const std::string longText(700, 'x');
    ASSERT_EQ(sendsms(kOwn, longText.c_str(), 1, 1), PE_OK);
    const int16_t n = getsmsmsgcount(PE_BOX_INBOX);
    EXPECT_EQ(getsmsmsgdata(PE_BOX_INBOX, n, PE_SMSFIELD_LENGTH, nullptr, 0), 700);
    EXPECT_EQ(messageField(PE_BOX_INBOX, n, PE_SMSFIELD_TEXT), longText);

    const std::u16string greek = u"\u039a\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1 \U0001F600";
    std::vector<uint16_t> wide(greek.begin(), greek.end());
    wide.push_back(0);
    ASSERT_EQ(senducs2(kOwn, wide.data(), 1, 1), PE_OK);
    const int16_t u = getsmsmsgcount(PE_BOX_INBOX);
    EXPECT_EQ(getsmsmsgdata(PE_BOX_INBOX, u, PE_SMSFIELD_ENCODING, nullptr, 0), 1);
    EXPECT_EQ(getsmsmsgdata(PE_BOX_INBOX, u, PE_SMSFIELD_LENGTH, nullptr, 0),
              static_cast<int32_t>(greek.size()));
    EXPECT_EQ(messageText16(PE_BOX_INBOX, u), greek);
    EXPECT_EQ(smsreceivedcount(), 2);

    // A UTF-16 buffer too small to hold the surrogate pair is cut before it.
    uint16_t small[11];
    ASSERT_EQ(getsmsmsgdata(PE_BOX_INBOX, u, PE_SMSFIELD_TEXT, small, 11), PE_OK);
    EXPECT_EQ(small[9], 0);
    // Listed as 8-bit text, what Latin-1 cannot hold shows as '?'.
    char number[64], text[64];
    ASSERT_EQ(getsms(u - 1, number, 64, text, 64), PE_BOX_INBOX);
    EXPECT_STREQ(text, "???????? ??");
}

TEST_F(VirtualPhoneTest, SmsGetsmsIsAPureIndexOverAllBoxes) {
    ASSERT_EQ(sendsms(kOther, "first out", 1, 1 | PE_SMS_DELIVERY_REPORT), PE_OK);
    const int16_t inbox = getsmsmsgcount(PE_BOX_INBOX);
    char number[64], text[1024];
    for (int32_t k = 0; k < inbox; ++k) {
        EXPECT_EQ(getsms(k, number, 64, text, 1024), PE_BOX_INBOX);
    }
    ASSERT_EQ(getsms(inbox, number, 64, text, 1024), PE_BOX_OUTBOX);
    EXPECT_STREQ(number, kOther);
    EXPECT_STREQ(text, "first out");
    EXPECT_EQ(getsms(inbox + 1, number, 64, text, 1024), PE_BOX_REPORTS);
    EXPECT_EQ(getsms(inbox + 2, number, 64, text, 1024), PE_GETSMS_END);
    EXPECT_EQ(getsms(inbox, number, 64, text, 1024), PE_BOX_OUTBOX);  // no cursor
    EXPECT_EQ(getsms(-1, number, 64, text, 1024), PE_GETSMS_END);
    EXPECT_EQ(getsms(0, nullptr, 0, nullptr, 0), PE_BOX_INBOX);
}

TEST_F(VirtualPhoneTest, SmsDeletionAndFieldArguments) {
    const int16_t inbox = getsmsmsgcount(PE_BOX_INBOX);
    const std::string second = messageField(PE_BOX_INBOX, 2, PE_SMSFIELD_TEXT);
    ASSERT_EQ(deletesmsmsg(PE_BOX_INBOX, 1), PE_OK);
    EXPECT_EQ(getsmsmsgcount(PE_BOX_INBOX), inbox - 1);
    EXPECT_EQ(messageField(PE_BOX_INBOX, 1, PE_SMSFIELD_TEXT), second);
    EXPECT_EQ(deletesmsmsg(PE_BOX_INBOX, inbox), PE_EMPTY);
    EXPECT_EQ(deletesmsmsg(PE_BOX_INBOX, 0), PE_BAD_ARGUMENT);
    EXPECT_EQ(deletesmsmsg(14, 1), PE_BAD_ARGUMENT);

    char buf[16];
    EXPECT_EQ(getsmsmsgdata(PE_BOX_INBOX, 1, 7, buf, 16), PE_BAD_ARGUMENT);
    EXPECT_EQ(getsmsmsgdata(PE_BOX_INBOX, 1, PE_SMSFIELD_TEXT, nullptr, 16), PE_BAD_ARGUMENT);
    EXPECT_EQ(getsmsmsgdata(PE_BOX_INBOX, 1, PE_SMSFIELD_SENDER, buf, 0), PE_BAD_ARGUMENT);
    EXPECT_EQ(getsmsmsgdata(PE_BOX_INBOX, 99, PE_SMSFIELD_SENDER, buf, 16), PE_EMPTY);
    EXPECT_EQ(getsmsmsgdata(PE_BOX_INBOX, 99, PE_SMSFIELD_LENGTH, nullptr, 0), -PE_EMPTY);
    EXPECT_EQ(getsmsmsgdata(10, 1, PE_SMSFIELD_ENCODING, nullptr, 0), -PE_BAD_ARGUMENT);
    EXPECT_EQ(getsmsmsgcount(10), 0);
    EXPECT_EQ(getsmssentread(PE_BOX_INBOX, 0), 0);
    EXPECT_EQ(
        getsmsmsgdatetime(PE_BOX_OUTBOX, 1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
        PE_EMPTY);
}

TEST_F(VirtualPhoneTest, SmsSendArgumentsAreChecked) {
    // Setting set 0 has no centre given yet.
    const std::tuple<const char *, int32_t, int32_t> bad[] = {
        {"", 1, 1},     {nullptr, 1, 1}, {"+1 555", 1, 1},     {kOther, 4, 1}, {kOther, -1, 1},
        {kOther, 1, 4}, {kOther, 1, -1}, {kOther, 1, 0x20001}, {kOther, 0, 1}};
    for (const auto &[dest, set, flags] : bad) {
        EXPECT_EQ(sendsms(dest, "x", set, flags), PE_BAD_ARGUMENT) << set << " " << flags;
    }
    EXPECT_EQ(sendsms(kOther, std::string(255 * 153 + 1, 'a').c_str(), 1, 1), PE_BAD_ARGUMENT);
    EXPECT_EQ(getsmsmsgcount(PE_BOX_OUTBOX), 0);
    EXPECT_EQ(sendsms(("+" + std::string(21, '5')).c_str(), "x", 1, 1), PE_BAD_ARGUMENT);
    EXPECT_EQ(sendsms(("+" + std::string(20, '5')).c_str(), "x", 1, 1), PE_OK);
    EXPECT_EQ(sendsms(kOther, std::string(255 * 153, 'a').c_str(), 1, 0), PE_OK);  // flash
    EXPECT_EQ(sendsms(kOther, nullptr, 3, 3), PE_OK);  // an empty message is a message
    std::vector<uint16_t> unterminated(255 * 67 + 10, 'a');
    EXPECT_EQ(senducs2(kOther, unterminated.data(), 1, 1), PE_BAD_ARGUMENT);
    EXPECT_EQ(sendsiemensota(kOther, "/nonexistent", 1, 1), PE_NOT_SUPPORTED);
}

TEST_F(VirtualPhoneTest, SmsMessageCentres) {
    terminate();
    char none[16];
    EXPECT_EQ(getsmsmessagecenter(none, 16), PE_NOT_CONNECTED);  // a stored set needs the phone
    ASSERT_EQ(init("VIRTUAL", 0), PE_OK);
    EXPECT_EQ(textOf(getsmsmessagecenter, 128), "+15555550200");
    ASSERT_EQ(setsmsmessagecenter(2, ""), PE_OK);
    EXPECT_EQ(textOf(getsmsmessagecenter, 128), "+15555550201");
    EXPECT_EQ(setsmsmessagecenter(4, ""), PE_BAD_ARGUMENT);
    EXPECT_EQ(setsmsmessagecenter(0, "not a number"), PE_BAD_ARGUMENT);
    ASSERT_EQ(setsmsmessagecenter(0, "+4479000001"), PE_OK);
    terminate();  // the given centre needs no phone
    EXPECT_EQ(textOf(getsmsmessagecenter, 128), "+4479000001");
    EXPECT_EQ(setsmsmessagecenter(1, ""), PE_NOT_CONNECTED);
    ASSERT_EQ(init("VIRTUAL", 0), PE_OK);
    ASSERT_EQ(sendsms(kOther, "via the given centre", 0, 1), PE_OK);
    EXPECT_EQ(messageField(PE_BOX_OUTBOX, 1, PE_SMSFIELD_SMSC), "+4479000001");
    ASSERT_EQ(sendsms(kOther, "via stored centre 3", 3, 1), PE_OK);
    EXPECT_EQ(messageField(PE_BOX_OUTBOX, 2, PE_SMSFIELD_SMSC), "+15555550202");
}

TEST_F(VirtualPhoneTest, SmsSettingsRefuseWhatIsOutOfRange) {
    EXPECT_EQ(setsmstimeout(-1), PE_BAD_ARGUMENT);
    EXPECT_EQ(set_smssenddelay(60001), PE_BAD_ARGUMENT);
    EXPECT_EQ(set_codepage(437), PE_NOT_SUPPORTED);
    EXPECT_EQ(set_smssenddelay(20), PE_OK);
    EXPECT_EQ(get_smssenddelay(), 20);
}

TEST_F(VirtualPhoneTest, SmsCodePageReadsAndWritesEightBitText) {
    ASSERT_EQ(set_codepage(1252), PE_OK);
    ASSERT_EQ(sendsms(kOwn, "\x80 5", 1, 1), PE_OK);  // the euro sign in Windows-1252
    const int16_t n = getsmsmsgcount(PE_BOX_INBOX);
    ASSERT_EQ(set_codepage(65001), PE_OK);
    EXPECT_EQ(messageField(PE_BOX_INBOX, n, PE_SMSFIELD_TEXT), "\xe2\x82\xac 5");
    ASSERT_EQ(set_codepage(28591), PE_OK);
    EXPECT_EQ(messageField(PE_BOX_INBOX, n, PE_SMSFIELD_TEXT), "? 5");
}

TEST_F(VirtualPhoneTest, SmsEightBitDcsSendsData) {
    ASSERT_EQ(sms_setdcs(0xF5), PE_OK);
    ASSERT_EQ(sendsms(kOther, "AB", 1, 1), PE_OK);
    EXPECT_EQ(getsmsmsgdata(PE_BOX_OUTBOX, 1, PE_SMSFIELD_ENCODING, nullptr, 0), 2);
    EXPECT_EQ(messageText16(PE_BOX_OUTBOX, 1), u"4142");
    ASSERT_EQ(sms_setdcs(0x08), PE_OK);  // UCS-2 alphabet
    ASSERT_EQ(sendsms(kOther, "Hi", 1, 1), PE_OK);
    EXPECT_EQ(getsmsmsgdata(PE_BOX_OUTBOX, 2, PE_SMSFIELD_ENCODING, nullptr, 0), 1);
    EXPECT_EQ(messageText16(PE_BOX_OUTBOX, 2), u"Hi");
}

TEST_F(VirtualPhoneTest, SmsSendDelayWithoutWaitingLeavesTheSendUnderWay) {
    ASSERT_EQ(setsmssendmode(0), PE_OK);
    ASSERT_EQ(set_smssenddelay(150), PE_OK);
    ASSERT_EQ(sendsms(kOwn, "later", 1, 1), PE_OK);
    EXPECT_EQ(getsmssentread(PE_BOX_OUTBOX, 1), 0);
    int32_t data = 0, ack = 0;
    // Polled until done; the test makes no claim about how long it takes.
    while (smssendwaiting()) {
        EXPECT_EQ(getsmssendack(&data, &ack), 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(getsmssentread(PE_BOX_OUTBOX, 1), 1);
    EXPECT_EQ(getsmssendack(&data, &ack), 1);
    EXPECT_EQ(smsreceivedcount(), 1);
}

TEST_F(VirtualPhoneTest, SmsWaitingSendEndsWithTimeoutWhenTheNetworkIsSlower) {
    ASSERT_EQ(set_smssenddelay(400), PE_OK);
    ASSERT_EQ(setsmstimeout(20), PE_OK);
    EXPECT_EQ(sendsms(kOther, "slow", 1, 1), PE_TIMEOUT);
    while (smssendwaiting()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(getsmssentread(PE_BOX_OUTBOX, 1), 1);  // it still went

    ASSERT_EQ(setsmstimeout(10000), PE_OK);
    ASSERT_EQ(set_smssenddelay(30), PE_OK);
    EXPECT_EQ(sendsms(kOther, "waited for", 1, 1), PE_OK);
    EXPECT_EQ(getsmssentread(PE_BOX_OUTBOX, 2), 1);
    EXPECT_EQ(smssendwaiting(), 0);
}

TEST_F(VirtualPhoneTest, SmsFullBoxesRefuseOrFailDelivery) {
    while (getsmsmsgcount(PE_BOX_INBOX) < 100) {
        ASSERT_EQ(sendsms(kOwn, "filler", 1, 1), PE_OK);
    }
    EXPECT_EQ(textOf(getdisplaystatus, 32)[7], '1');  // message memory full
    int32_t data = 0, ack = 0;
    while (getsmssendack(&data, &ack)) {
    }
    ASSERT_EQ(sendsms(kOwn, "no room", 1, 1 | PE_SMS_DELIVERY_REPORT), PE_OK);
    EXPECT_EQ(getsmsmsgcount(PE_BOX_INBOX), 100);
    ASSERT_EQ(getsmssendack(&data, &ack), 1);
    EXPECT_EQ(ack, 0);  // not delivered
    EXPECT_EQ(messageField(PE_BOX_REPORTS, 1, PE_SMSFIELD_TEXT), "Not delivered");
    while (getsmsmsgcount(PE_BOX_OUTBOX) < 100) {
        ASSERT_EQ(sendsms(kOther, "filler", 1, 1), PE_OK);
    }
    EXPECT_EQ(sendsms(kOther, "one too many", 1, 1), PE_PHONE_ERROR);
    ASSERT_EQ(deletesmsmsg(PE_BOX_OUTBOX, 1), PE_OK);
    EXPECT_EQ(sendsms(kOther, "room again", 1, 1), PE_OK);
}

TEST(SmsStoreTest, EachBoxHoldsItsCapacityAndNoMore) {
    SmsStore store;
    for (size_t i = 0; i < SmsStore::kCapacity; ++i) {
        ASSERT_TRUE(store.append(SmsMessage{})) << i;
    }
    EXPECT_FALSE(store.append(SmsMessage{}));
    EXPECT_EQ(store.box(SmsBox::Inbox).size(), SmsStore::kCapacity);
    SmsMessage sent;
    sent.box = SmsBox::Outbox;
    EXPECT_TRUE(store.append(sent)) << "the other boxes still have room";
}
