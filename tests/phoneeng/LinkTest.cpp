#include "VirtualTestSupport.h"
#include "phone/PortName.h"

using namespace phoneeng;
using virtualtest::VirtualPhoneTest;

TEST(LinkPortName, ReadsVirtualComAndPathsWithTheProtocolLetter) {
    using K = PortName::Kind;
    // A user's letter may be followed by the editor's F; a gammurc section
    // carries its own connection.
    const struct {
        const char *text;
        K kind;
        const char *device;
        char protocol;
        int section;
    } good[] = {
        {"VIRTUAL", K::Virtual, "", 0, 0},
        {" virtual ", K::Virtual, "", 0, 0},
        {"virtualf", K::Virtual, "", 'F', 0},
        {"COM3F", K::Serial, "/dev/ttyS2", 'F', 0},
        {"com12", K::Serial, "/dev/ttyS11", 0, 0},
        {"/dev/nullF", K::Serial, "/dev/null", 'F', 0},
        {"COM1DF", K::Serial, "/dev/ttyS0", 'D', 0},
        {"/dev/phoneeng-missingAF", K::Serial, "/dev/phoneeng-missing", 'A', 0},
        {"/dev/nullbF", K::Serial, "/dev/null", 'B', 0},
        {"Gammu2F", K::GammuSection, "", 'F', 2},
        {"gammu", K::GammuSection, "", 0, 0},
    };
    for (const auto &g : good) {
        const auto port = parsePortName(g.text);
        ASSERT_TRUE(port) << g.text;
        EXPECT_EQ(port->kind, g.kind) << g.text;
        EXPECT_EQ(port->device, g.device) << g.text;
        EXPECT_EQ(port->protocol, g.protocol) << g.text;
        EXPECT_EQ(port->section, g.section) << g.text;
    }
    for (const char *bad : {"", "   ", "VIRTUALX", "VIRTUALFF", "COM1FD", "COM0", "COM", "COMx",
                            "COM999", "LPT1", "ttyS0", "gammux"}) {
        EXPECT_FALSE(parsePortName(bad)) << bad;
    }
}

TEST_F(VirtualPhoneTest, LinkConnectsEachInstanceOnItsOwn) {
    EXPECT_EQ(isalive(), 1);
    set_vlkr_instance(7);
    EXPECT_EQ(isalive(), 0);
    EXPECT_EQ(getrflevel(nullptr), PE_NOT_CONNECTED);
    EXPECT_EQ(init("virtualF", PE_CONNECTION_INFRARED), PE_OK);
    EXPECT_EQ(isalive(), 1);
    terminate();
    EXPECT_EQ(isalive(), 0);
    set_vlkr_instance(0);
    EXPECT_EQ(isalive(), 1);
    terminate();
    EXPECT_EQ(isalive(), 0);
    terminate();  // nothing left to close
    EXPECT_EQ(isalive(), 0);
}

TEST_F(VirtualPhoneTest, LinkRefusesBadPortsAndTypesAtOnce) {
    EXPECT_EQ(init("VIRTUAL", 2), PE_BAD_ARGUMENT);
    EXPECT_EQ(init("VIRTUAL", -1), PE_BAD_ARGUMENT);
    EXPECT_EQ(init(nullptr, 0), PE_NO_SUCH_PORT);
    EXPECT_EQ(isalive(), 0);  // a failed init leaves the instance without a link
}

TEST_F(VirtualPhoneTest, LinkEverythingThatNeedsAPhoneSaysNotConnected) {
    terminate();
    char buf[64] = "untouched";
    int32_t v = 0;
    EXPECT_EQ(getimei(buf, sizeof buf), PE_NOT_CONNECTED);
    EXPECT_STREQ(buf, "");  // a failed text call leaves an empty text
    EXPECT_EQ(lookupnetwork(buf, sizeof buf), PE_NOT_CONNECTED);
    EXPECT_EQ(getnetworkinfo(buf, sizeof buf, nullptr, 0, nullptr, 0), PE_NOT_CONNECTED);
    EXPECT_EQ(getbatterylevel(&v), PE_NOT_CONNECTED);
    EXPECT_EQ(uses_acdc_power(), 0);
    EXPECT_EQ(getdisplaystatus(buf, sizeof buf), PE_NOT_CONNECTED);
    EXPECT_EQ(dialvoice("123"), PE_NOT_CONNECTED);
    EXPECT_EQ(hangup(), PE_NOT_CONNECTED);
    EXPECT_EQ(answercall(), PE_NOT_CONNECTED);
    EXPECT_EQ(reset("soft"), PE_NOT_CONNECTED);
    EXPECT_EQ(gsmbeep(1), PE_NOT_CONNECTED);
    EXPECT_EQ(netmonitor("01", buf, sizeof buf), PE_NOT_CONNECTED);
    EXPECT_EQ(setlogo("text", "Hello", ""), PE_NOT_CONNECTED);
    EXPECT_EQ(setdatetime(2004, 1, 1, 0, 0, 0), PE_NOT_CONNECTED);
    EXPECT_EQ(getalarm(&v, &v, &v), PE_NOT_CONNECTED);
    EXPECT_EQ(sendsms("+15555550123", "hi", 1, 1), PE_NOT_CONNECTED);
    EXPECT_EQ(getsms(0, buf, sizeof buf, buf, sizeof buf), PE_GETSMS_END);
    EXPECT_EQ(getsmsmsgcount(PE_BOX_INBOX), 0);
    EXPECT_EQ(getsmsmsgtotal(), 0);
    EXPECT_EQ(getsmsmsgdata(PE_BOX_INBOX, 1, PE_SMSFIELD_ENCODING, nullptr, 0), -PE_NOT_CONNECTED);
    EXPECT_EQ(getphonebookentry(1, PE_MEM_SIM, buf, 64, buf, 64, &v), PE_NOT_CONNECTED);
    EXPECT_EQ(setspeeddial(2, 1, 1), PE_NOT_CONNECTED);
    EXPECT_EQ(logo_upload(), PE_NOT_CONNECTED);
    EXPECT_EQ(logo_download(PE_LOGO_OPERATOR), PE_NOT_CONNECTED);
    EXPECT_EQ(sendoplogoviasms("+15555550123"), PE_NOT_CONNECTED);
    EXPECT_EQ(logo_getlastreceived(), 0);
    EXPECT_EQ(ringtone_upload(1), PE_NOT_CONNECTED);
    EXPECT_EQ(ringtone_sendsms("+15555550123"), PE_NOT_CONNECTED);
    EXPECT_EQ(play_tone(15, 880, 1), PE_NOT_CONNECTED);
    EXPECT_EQ(phoneeng_virtual_incoming_call("+15555550101", ""), PE_NOT_CONNECTED);
    EXPECT_EQ(incomingevent(), 0);
    EXPECT_EQ(smsreceivedcount(), 0);
    EXPECT_EQ(getsmssendack(&v, &v), 0);
    EXPECT_EQ(bitmap_received(), 0);
}

TEST_F(VirtualPhoneTest, LinkEventsBelongToEachLink) {
    set_vlkr_instance(1);
    ASSERT_EQ(init("VIRTUAL", 0), PE_OK);
    set_vlkr_instance(0);
    ASSERT_EQ(phoneeng_virtual_incoming_call("+15555550102", ""), PE_OK);
    EXPECT_EQ(incomingevent(), 1);
    EXPECT_EQ(incomingevent(), 0);
    set_vlkr_instance(1);
    EXPECT_EQ(incomingevent(), 1);  // the other link sees the call too, once
    EXPECT_EQ(incomingevent(), 0);

    // A send acknowledgement goes back to the link that sent.
    ASSERT_EQ(sendsms("+15555550999", "to someone", 1, 1), PE_OK);
    set_vlkr_instance(0);
    int32_t data = -1, ack = -1;
    EXPECT_EQ(getsmssendack(&data, &ack), 0);
    set_vlkr_instance(1);
    EXPECT_EQ(getsmssendack(&data, &ack), 1);
    EXPECT_EQ(ack, 1);
    terminate();
}
