#include <algorithm>
#include <array>
#include <cstring>
#include <ctime>

#include "VirtualTestSupport.h"

using namespace phoneeng;
using virtualtest::phonebookEntry;
using virtualtest::textOf;
using virtualtest::VirtualPhoneTest;

namespace {

std::vector<std::string> logLines() {
    std::vector<std::string> lines;
    char buf[128];
    for (int32_t k = 0; phoneeng_virtual_log(k, buf, sizeof buf) == PE_OK; ++k) {
        lines.emplace_back(buf);
    }
    return lines;
}

}  // namespace

TEST_F(VirtualPhoneTest, VirtualIncomingCallRingsUntilAnswered) {
    EXPECT_EQ(incomingevent(), 0);
    EXPECT_EQ(textOf(incoming, 64), "");
    ASSERT_EQ(phoneeng_virtual_incoming_call("+15555550101", ""), PE_OK);
    EXPECT_EQ(incomingevent(), 1);
    EXPECT_EQ(incomingevent(), 0);  // once per call
    EXPECT_EQ(textOf(incoming, 64), "D15555550101");
    EXPECT_EQ(textOf(incomingname, 64), "Alice Baker");  // from the SIM
    EXPECT_EQ(textOf(getdisplaystatus, 32)[0], '1');     // ringing shows as a call
    EXPECT_EQ(phoneeng_virtual_incoming_call("+15555550102", ""), PE_PHONE_ERROR);  // busy
    ASSERT_EQ(answercall(), PE_OK);
    EXPECT_EQ(textOf(incoming, 64), "");
    EXPECT_EQ(textOf(incomingname, 64), "");
    EXPECT_EQ(textOf(getdisplaystatus, 32)[0], '1');  // the call goes on
    ASSERT_EQ(hangup(), PE_OK);
    EXPECT_EQ(answercall(), PE_PHONE_ERROR);  // nothing rings
    EXPECT_EQ(phonebookEntry(1, PE_MEM_RECEIVED).number, "+15555550101");
}

TEST_F(VirtualPhoneTest, VirtualIncomingCallKeepsAGivenNameAndGoesToMissedWhenRejected) {
    ASSERT_EQ(phoneeng_virtual_incoming_call("5550999", "Stranger"), PE_OK);
    EXPECT_EQ(textOf(incoming, 64), "5550999");
    EXPECT_EQ(textOf(incomingname, 64), "Stranger");
    ASSERT_EQ(hangup(), PE_OK);
    EXPECT_EQ(textOf(incoming, 64), "");
    EXPECT_EQ(phonebookEntry(1, PE_MEM_MISSED).number, "5550999");
    EXPECT_EQ(phoneeng_virtual_incoming_call("", ""), PE_BAD_ARGUMENT);
    EXPECT_EQ(phoneeng_virtual_incoming_call("12ab", ""), PE_BAD_ARGUMENT);
    EXPECT_EQ(phoneeng_virtual_incoming_call(nullptr, nullptr), PE_BAD_ARGUMENT);
}

TEST_F(VirtualPhoneTest, VirtualDiallingDtmfAndTheDialledList) {
    EXPECT_EQ(send_dtmf("123"), PE_PHONE_ERROR);  // no call
    ASSERT_EQ(dialvoice("+15555550103"), PE_OK);
    EXPECT_EQ(dialvoice("5550100"), PE_PHONE_ERROR);  // one call at a time
    EXPECT_EQ(send_dtmf("12*#ab"), PE_OK);
    EXPECT_EQ(send_dtmf("12x"), PE_BAD_ARGUMENT);
    EXPECT_EQ(send_dtmf(""), PE_BAD_ARGUMENT);
    ASSERT_EQ(hangup(), PE_OK);
    EXPECT_EQ(dialvoice(""), PE_BAD_ARGUMENT);
    EXPECT_EQ(dialvoice("call me"), PE_BAD_ARGUMENT);
    EXPECT_EQ(dialvoice(nullptr), PE_BAD_ARGUMENT);
    const virtualtest::Entry dialled = phonebookEntry(1, PE_MEM_DIALLED);
    EXPECT_EQ(dialled.number, "+15555550103");
    EXPECT_EQ(dialled.name, "Carol Diaz");  // from the SIM
    EXPECT_EQ(phonebookEntry(1, PE_MEM_LAST_DIALLED).number, "+15555550103");
    const auto log = logLines();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[0], "dial +15555550103");
    EXPECT_EQ(log[1], "dtmf 12*#AB");
}

TEST_F(VirtualPhoneTest, VirtualKeysTypeDialAnswerAndLock) {
    ASSERT_EQ(sendkeystrokes("5550105s"), PE_OK);  // type and press send
    EXPECT_EQ(phonebookEntry(1, PE_MEM_DIALLED).number, "5550105");
    EXPECT_EQ(textOf(getdisplaystatus, 32)[0], '1');
    ASSERT_EQ(sendkeystrokes("E"), PE_OK);
    EXPECT_EQ(textOf(getdisplaystatus, 32)[0], '0');

    ASSERT_EQ(phoneeng_virtual_incoming_call("+15555550106", ""), PE_OK);
    ASSERT_EQ(sendkeystrokes("S"), PE_OK);  // answers
    EXPECT_EQ(phonebookEntry(1, PE_MEM_RECEIVED).number, "+15555550106");
    ASSERT_EQ(sendkeystrokes("E"), PE_OK);

    ASSERT_EQ(sendkeystrokes("12C"), PE_OK);
    EXPECT_EQ(textOf(getdisplaystatus, 32)[5], '1');  // a digit is typed
    EXPECT_EQ(textOf(getdisplaystatus, 32)[6], '0');
    ASSERT_EQ(sendkeystrokes("K"), PE_OK);
    EXPECT_EQ(textOf(getdisplaystatus, 32)[6], '1');  // the keyguard
    EXPECT_EQ(sendkeystrokes("3"), PE_PHONE_ERROR);   // locked
    ASSERT_EQ(sendkeystrokes("KE"), PE_OK);           // unlock, clear
    EXPECT_EQ(textOf(getdisplaystatus, 32)[5], '0');
    EXPECT_EQ(sendkeystrokes("12Z"), PE_BAD_ARGUMENT);
    EXPECT_EQ(sendkeystrokes(""), PE_BAD_ARGUMENT);
    EXPECT_EQ(sendkeystrokes(std::string(300, '1').c_str()), PE_BAD_ARGUMENT);
}

TEST_F(VirtualPhoneTest, VirtualResetBeepAndTheirLog) {
    ASSERT_EQ(dialvoice("5550100"), PE_OK);
    ASSERT_EQ(reset("HARD"), PE_OK);
    EXPECT_EQ(textOf(getdisplaystatus, 32)[0], '0');  // the call dropped
    EXPECT_EQ(reset("soft"), PE_OK);
    EXPECT_EQ(reset("warm"), PE_BAD_ARGUMENT);
    EXPECT_EQ(reset(nullptr), PE_BAD_ARGUMENT);
    EXPECT_EQ(gsmbeep(1), PE_OK);
    EXPECT_EQ(gsmbeep(0), PE_OK);
    EXPECT_EQ(gsmbeep(2), PE_BAD_ARGUMENT);
    const auto log = logLines();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[1], "reset hard");
    EXPECT_EQ(log[3], "beep on");
    EXPECT_EQ(log[4], "beep off");
    char buf[16];
    EXPECT_EQ(phoneeng_virtual_log(5, buf, sizeof buf), PE_PAST_END);
    EXPECT_EQ(phoneeng_virtual_log(-1, buf, sizeof buf), PE_BAD_ARGUMENT);
}

TEST_F(VirtualPhoneTest, VirtualNetmonitorScreensAndModes) {
    char buf[256];
    int supported = 0;
    for (int n = 1; n <= 99; ++n) {
        char mode[3] = {static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10), 0};
        std::fill(buf, buf + sizeof buf, ' ');
        const int16_t code = netmonitor(mode, buf, sizeof buf);
        ASSERT_TRUE(code == PE_OK || code == PE_NOT_SUPPORTED) << mode;
        if (code == PE_OK) {
            ++supported;
            EXPECT_GT(std::strlen(buf), 0u) << mode;
        }
    }
    EXPECT_GE(supported, 10);
    ASSERT_EQ(netmonitor("01", buf, sizeof buf), PE_OK);
    ASSERT_EQ(netmonitor("11", buf, sizeof buf), PE_OK);
    EXPECT_NE(std::string(buf).find("999 01"), std::string::npos);
    ASSERT_EQ(netmonitor("36", buf, sizeof buf), PE_OK);
    EXPECT_NE(std::string(buf).find(textOf(getimei)), std::string::npos);

    ASSERT_EQ(netmonitor("field", buf, sizeof buf), PE_OK);
    EXPECT_EQ(netmonitor("01", buf, sizeof buf), PE_OK);
    EXPECT_EQ(netmonitor("36", buf, sizeof buf), PE_PHONE_ERROR);  // beyond the field test
    ASSERT_EQ(netmonitor("OFF", buf, sizeof buf), PE_OK);
    EXPECT_EQ(netmonitor("01", buf, sizeof buf), PE_PHONE_ERROR);
    ASSERT_EQ(netmonitor("devel", buf, sizeof buf), PE_OK);
    for (const char *bad : {"00", "1", "100", "ab", "", "on"}) {
        EXPECT_EQ(netmonitor(bad, buf, sizeof buf), PE_BAD_ARGUMENT) << bad;
    }
    EXPECT_EQ(netmonitor(nullptr, buf, sizeof buf), PE_BAD_ARGUMENT);
    EXPECT_EQ(netmonitor("01", nullptr, 10), PE_BAD_ARGUMENT);
}

TEST_F(VirtualPhoneTest, VirtualClockKeepsAnOffsetFromTheComputer) {
    ASSERT_EQ(setdatetime(2001, 2, 3, 4, 5, 6), PE_OK);
    int32_t y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    ASSERT_EQ(getdatetime(&y, &mo, &d, &h, &mi, &s), PE_OK);
    EXPECT_EQ((std::array{y, mo, d, h}), (std::array{2001, 2, 3, 4}));
    EXPECT_TRUE(mi == 5 || mi == 6);
    EXPECT_EQ(getdatetime(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), PE_OK);
    for (auto bad : {std::array<int32_t, 6>{2001, 2, 29, 0, 0, 0},
                     {2001, 13, 1, 0, 0, 0},
                     {2001, 1, 1, 24, 0, 0},
                     {2001, 1, 1, 0, 60, 0},
                     {2001, 1, 1, 0, 0, 60},
                     {99, 1, 1, 0, 0, 0},
                     {-1, 1, 1, 0, 0, 0},
                     {2001, 0, 1, 0, 0, 0}}) {
        EXPECT_EQ(setdatetime(bad[0], bad[1], bad[2], bad[3], bad[4], bad[5]), PE_BAD_ARGUMENT);
    }
    EXPECT_EQ(setdatetime(2004, 2, 29, 23, 59, 59), PE_OK);  // a leap day
}

TEST_F(VirtualPhoneTest, VirtualAlarmAndStartupText) {
    int32_t on = -1, h = -1, mi = -1;
    ASSERT_EQ(getalarm(&on, &h, &mi), PE_OK);
    EXPECT_EQ(on, 0);
    ASSERT_EQ(setalarm(6, 45), PE_OK);
    ASSERT_EQ(getalarm(&on, &h, &mi), PE_OK);
    EXPECT_EQ((std::array{on, h, mi}), (std::array{1, 6, 45}));
    EXPECT_EQ(setalarm(24, 0), PE_BAD_ARGUMENT);
    EXPECT_EQ(setalarm(0, -1), PE_BAD_ARGUMENT);

    EXPECT_EQ(setlogo("text", "Hello there", ""), PE_OK);
    EXPECT_EQ(setlogo("TEXT", "", nullptr), PE_OK);
    EXPECT_EQ(setlogo("text", std::string(41, 'x').c_str(), ""), PE_BAD_ARGUMENT);
    EXPECT_EQ(setlogo("text", "two\nlines", ""), PE_BAD_ARGUMENT);
    EXPECT_EQ(setlogo("op", "x", ""), PE_NOT_SUPPORTED);
    EXPECT_EQ(setlogo(nullptr, "x", ""), PE_BAD_ARGUMENT);
}
