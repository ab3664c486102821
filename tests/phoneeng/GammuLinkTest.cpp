// Real phones through libgammu, with libgammu's own test phone (connection
// "none", a folder standing for the phone) as the phone, and devices that
// lead nowhere for the failures.
#include <fcntl.h>
#include <gammu.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <set>

#include "VirtualTestSupport.h"
#include "gammu/GammuErrors.h"

using namespace phoneeng;
using namespace std::chrono_literals;
using virtualtest::Entry;
using virtualtest::phonebookEntry;
using virtualtest::textOf;
using virtualtest::VirtualPhoneTest;

namespace {

// Puts a received text message into the test phone's inbox folder.
void placeInboxMessage(const std::string &phoneDir, const char *from, const char *text) {
    std::filesystem::create_directories(phoneDir + "/sms/1");
    auto backup = std::make_unique<GSM_SMS_Backup>();
    auto sms = std::make_unique<GSM_SMSMessage>();
    std::memset(sms.get(), 0, sizeof(GSM_SMSMessage));
    GSM_SetDefaultReceivedSMSData(sms.get());
    sms->Folder = 1;
    sms->InboxFolder = TRUE;
    sms->State = SMS_UnRead;
    sms->Coding = SMS_Coding_Default_No_Compression;
    EncodeUnicode(sms->Number, from, std::strlen(from));
    EncodeUnicode(sms->Text, text, std::strlen(text));
    sms->Length = static_cast<int>(std::strlen(text));
    backup->SMS[0] = sms.get();
    backup->SMS[1] = nullptr;
    std::string path = phoneDir + "/sms/1/1";
    ASSERT_EQ(GSM_AddSMSBackupFile(path.data(), backup.get()), ERR_NONE);
}

class GammuDummyTest : public VirtualPhoneTest {
protected:
    void SetUp() override {
        VirtualPhoneTest::SetUp();
        phoneDir_ = dir() + "/phone";
        std::filesystem::create_directories(phoneDir_);
        std::filesystem::create_directories(dir() + "/config/gammu");
        setenv("XDG_CONFIG_HOME", (dir() + "/config").c_str(), 1);
        TestHome::writeFile(dir() + "/config/gammu/config",
                            "[gammu]\nconnection = none\ndevice = " + phoneDir_ + "\n");
        placeInboxMessage(phoneDir_, "+4915112345", "see you at eight");
        ASSERT_EQ(init("gammuF", PE_CONNECTION_SERIAL), PE_OK);
    }
    void TearDown() override {
        terminate();
        unsetenv("XDG_CONFIG_HOME");
        VirtualPhoneTest::TearDown();
    }
    std::string phoneDir_;
};

std::string report(const char *port, int16_t expected) {
    char buf[2048];
    EXPECT_EQ(phoneeng_check_connection(port, PE_CONNECTION_SERIAL, buf, sizeof buf), expected)
        << buf;
    return buf;
}

// The last line of a report, which names the step that decided.
std::string lastLine(const std::string &text) {
    const size_t end = text.find_last_not_of('\n');
    const size_t start = text.rfind('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - start);
}

}  // namespace

TEST_F(GammuDummyTest, AnswersIdentityNetworkAndLevels) {
    EXPECT_EQ(isalive(), 1);
    EXPECT_EQ(textOf(getimei), "999999999999999");
    EXPECT_EQ(textOf(getmodel), "Dummy");
    EXPECT_EQ(textOf(lookupmodel), "Dummy\tGammu\tDummy");
    EXPECT_EQ(textOf(getrevision).rfind("V ", 0), 0u);
    EXPECT_EQ(textOf(getswdate), "01-01-15");
    EXPECT_EQ(textOf(getmodelcapabilities), "");  // no logo protocol on this phone
    char code[16], cell[16], area[16];
    ASSERT_EQ(getnetworkinfo(code, 16, cell, 16, area, 16), PE_OK);
    EXPECT_STREQ(code, "999 99");
    EXPECT_STREQ(cell, "FACE");
    EXPECT_STREQ(area, "B00B");
    EXPECT_EQ(textOf(lookupnetwork).rfind("GammuT3l\t", 0), 0u);
    int32_t level = -1;
    EXPECT_EQ(getrflevel(&level), PE_OK);
    EXPECT_EQ(level, 42);
    int32_t y = 0, mo = 0, d = 0;
    EXPECT_EQ(getdatetime(&y, &mo, &d, nullptr, nullptr, nullptr), PE_OK);
    EXPECT_GE(y, 2024);
}

TEST_F(GammuDummyTest, PhonebookEntriesAreWrittenReadAndDeleted) {
    ASSERT_EQ(setphonebookentry(3, PE_MEM_SIM, "Ann Smith", "+4930123456", 2), PE_OK);
    EXPECT_EQ(phonebookEntry(3, PE_MEM_SIM), (Entry{PE_OK, "Ann Smith", "+4930123456", 2}));
    ASSERT_EQ(deletephonebookentry(3, PE_MEM_SIM), PE_OK);
    const Entry deleted = phonebookEntry(3, PE_MEM_SIM);
    EXPECT_EQ(deleted.code, PE_OK);
    EXPECT_EQ(deleted.number, "");
    EXPECT_EQ(phonebookEntry(0, PE_MEM_SIM).code, PE_BAD_ARGUMENT);
}

TEST_F(GammuDummyTest, MessagesAreReadDeletedAndSent) {
    ASSERT_EQ(getsmsmsgcount(PE_BOX_INBOX), 1);
    EXPECT_EQ(virtualtest::messageField(PE_BOX_INBOX, 1, PE_SMSFIELD_SENDER), "+4915112345");
    EXPECT_EQ(virtualtest::messageField(PE_BOX_INBOX, 1, PE_SMSFIELD_TEXT), "see you at eight");
    ASSERT_EQ(deletesmsmsg(PE_BOX_INBOX, 1), PE_OK);
    ASSERT_EQ(updatesmslist(), PE_OK);
    EXPECT_EQ(getsmsmsgcount(PE_BOX_INBOX), 0);

    char centre[32];
    ASSERT_EQ(getsmsmessagecenter(centre, sizeof centre), PE_OK);
    EXPECT_STREQ(centre, "123456");
    EXPECT_EQ(sendsms("+4930123456", "a longer text to send", 1, 1 | PE_SMS_DELIVERY_REPORT),
              PE_OK);
    const uint16_t wide[] = {0x41, 0x3A9, 0};
    EXPECT_EQ(senducs2("+4930123456", wide, 1, 0), PE_OK);
    int32_t reference = -1, ack = -1;
    EXPECT_EQ(getsmssendack(&reference, &ack), 1);
    EXPECT_EQ(ack, 1);
}

TEST_F(GammuDummyTest, WhatThePhoneCannotDoIsNotSupported) {
    ASSERT_EQ(logo_setdata(PE_LOGO_OPERATOR, "244 05"), PE_OK);
    EXPECT_EQ(logo_upload(), PE_NOT_SUPPORTED);
    EXPECT_EQ(logo_download(PE_LOGO_CALLER), PE_NOT_SUPPORTED);
    ASSERT_EQ(ringtone_setnotes(2), PE_OK);
    ASSERT_EQ(ringtone_setnote(0, "4A5"), PE_OK);
    EXPECT_EQ(ringtone_upload(1), PE_NOT_SUPPORTED);
    int32_t mem = 0, loc = 0;
    EXPECT_EQ(getspeeddial(2, &mem, &loc), PE_NOT_SUPPORTED);
    EXPECT_EQ(setspeeddial(2, PE_MEM_SIM, 1), PE_NOT_SUPPORTED);
    EXPECT_EQ(play_tone(15, 880, 1), PE_NOT_SUPPORTED);
    char screen[64];
    EXPECT_EQ(netmonitor("01", screen, sizeof screen), PE_NOT_SUPPORTED);
    EXPECT_EQ(isalive(), 1);  // refusals leave the link up
}

TEST_F(GammuDummyTest, ConnectionCheckNamesTheModel) {
    const std::string text = report("gammu", PE_OK);
    EXPECT_EQ(text.find("[FAILED]"), std::string::npos) << text;
    EXPECT_NE(lastLine(text).find("Dummy"), std::string::npos) << text;
    EXPECT_EQ(isalive(), 1);  // the check leaves the instance's link alone
}

TEST(GammuErrors, EveryResultMapsToACallSetCode) {
    const std::set<int16_t> codes = {PE_OK,           PE_NOT_CONNECTED, PE_TIMEOUT,
                                     PE_NO_SUCH_PORT, PE_NOT_SUPPORTED, PE_BAD_ARGUMENT,
                                     PE_FILE_OPEN,    PE_FILE_FORMAT,   PE_FILE_WRITE,
                                     PE_EMPTY,        PE_PHONE_ERROR,   PE_PAST_END};
    for (int e = ERR_NONE; e < ERR_LAST_VALUE; ++e) {
        const int16_t code = codeOfGammuError(static_cast<GSM_Error>(e));
        EXPECT_TRUE(codes.count(code)) << GSM_ErrorName(static_cast<GSM_Error>(e));
        EXPECT_EQ(code == PE_OK, e == ERR_NONE) << GSM_ErrorName(static_cast<GSM_Error>(e));
    }
    const std::pair<GSM_Error, int16_t> meanings[] = {{ERR_TIMEOUT, PE_TIMEOUT},
                                                      {ERR_ABORTED, PE_TIMEOUT},
                                                      {ERR_NOTSUPPORTED, PE_NOT_SUPPORTED},
                                                      {ERR_NOTIMPLEMENTED, PE_NOT_SUPPORTED},
                                                      {ERR_EMPTY, PE_EMPTY},
                                                      {ERR_INVALIDLOCATION, PE_PAST_END},
                                                      {ERR_DEVICENOTEXIST, PE_NO_SUCH_PORT},
                                                      {ERR_DEVICENOPERMISSION, PE_NO_SUCH_PORT},
                                                      {ERR_NOTCONNECTED, PE_NOT_CONNECTED},
                                                      {ERR_SECURITYERROR, PE_PHONE_ERROR},
                                                      {ERR_FULL, PE_PHONE_ERROR},
                                                      {ERR_UNKNOWNRESPONSE, PE_PHONE_ERROR}};
    for (const auto &[error, code] : meanings) {
        EXPECT_EQ(codeOfGammuError(error), code) << GSM_ErrorName(error);
    }
}

TEST_F(VirtualPhoneTest, DevicesThatLeadNowhereAreRefusedAtOnce) {
    const std::string plainFile = dir() + "/not-a-port";
    TestHome::writeFile(plainFile, "x");
    struct Case {
        std::string port;
        const char *lastStep;
    } cases[] = {{"/dev/phoneeng-no-such-device", "does not exist"},
                 {"COM250F", "does not exist"},
                 {"/dev/null", "not a serial port"},
                 {plainFile + "F", "not a serial port"},
                 {"nowhere", "names no port"}};
    for (const Case &c : cases) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(init(c.port.c_str(), PE_CONNECTION_SERIAL), PE_NO_SUCH_PORT) << c.port;
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1s) << c.port;
        const std::string line = lastLine(report(c.port.c_str(), PE_NO_SUCH_PORT));
        EXPECT_EQ(line.rfind("[FAILED]", 0), 0u) << c.port;
        EXPECT_NE(line.find(c.lastStep), std::string::npos) << line;
    }
    EXPECT_EQ(isalive(), 0);
}

TEST_F(VirtualPhoneTest, ATerminalNobodyReadsTimesOutWithinTheBound) {
    // A terminal of its own for each try: a try that was given up on may
    // hold its device a while longer.
    struct Pty {
        int master = posix_openpt(O_RDWR | O_NOCTTY);
        std::string slave() const {
            return grantpt(master) == 0 && unlockpt(master) == 0 ? ptsname(master) : "";
        }
        ~Pty() { close(master); }
    };
    linkRegistry().setCallBudget(300ms);
    for (const char *letter : {"", "F", "AF"}) {
        Pty forInit, forCheck;
        const std::string port = forInit.slave() + letter;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(init(port.c_str(), PE_CONNECTION_SERIAL), PE_TIMEOUT) << port;
        // The budget, the abort's grace, and room for a busy machine.
        EXPECT_LT(std::chrono::steady_clock::now() - start, 4s) << port;
        EXPECT_EQ(isalive(), 0);
        const std::string slave = forCheck.slave();
        const std::string text = report((slave + letter).c_str(), PE_TIMEOUT);
        EXPECT_NE(text.find("[ok] " + slave + " is a serial port."), std::string::npos) << text;
        EXPECT_NE(lastLine(text).find("no answer"), std::string::npos) << text;
    }
    linkRegistry().setCallBudget(0ms);
    EXPECT_EQ(init("VIRTUAL", PE_CONNECTION_SERIAL), PE_OK);  // the next init works again
}
