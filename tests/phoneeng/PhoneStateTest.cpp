#include "LogoTestSupport.h"
#include "VirtualTestSupport.h"
#include "phone/PhoneStateCodec.h"

using namespace phoneeng;
using virtualtest::Entry;
using virtualtest::messageField;
using virtualtest::phonebookEntry;
using virtualtest::textOf;
using virtualtest::VirtualPhoneTest;

namespace {

// A phone with something in every kind of record.
VirtualPhoneData busyPhone() {
    VirtualPhoneData d;
    d.seed();
    d.clock.setOffset(-86400 * 365);
    d.clock.setAlarm(7, 30);
    d.logos.setStartupText("50% off \xe9t\xe9");
    d.netMonitor.restoreMode(1);
    d.nextReference = 255;
    d.phonebook.write(PE_MEM_PHONE, 200, {"Ren\xe9", "+33123", 2});
    d.phonebook.writeSpeedDial(5, PE_MEM_PHONE, 200);
    d.phonebook.logCall(MemoryType::Missed, "5550100");
    SmsMessage m;
    m.box = SmsBox::Outbox;
    m.encoding = SmsEncoding::Binary;
    m.userData = {0x06, 0x05, 0x04, 0x15, 0x82, 0x00, 0x00, 0x25};
    m.sender = "+1";
    m.destination = "+2";
    m.smsc = "+3";
    m.time = {1999, 12, 31, 23, 59, 59};
    d.sms.append(m);
    Logo op = logotest::randomLogo(LogoType::Operator, 1);
    op.netCode = "244 05";
    d.logos.upload(op, "");
    Logo caller = logotest::randomLogo(LogoType::Caller, 2);
    caller.groupNumber = 4;
    caller.groupName = "Climbing club";
    d.logos.upload(caller, "");
    Logo picture = logotest::randomLogo(LogoType::Picture, 3);
    picture.groupNumber = 9;
    picture.message = u"\u263a smile";
    picture.messageUnicode = true;
    d.logos.upload(picture, "");
    d.logos.upload(logotest::randomLogo(LogoType::Startup, 4), "");
    RingTone tone;
    tone.name = "Caf\xe9 tune";
    tone.initialStyle = RingToneStyle::Continuous;
    tone.tempo = 125;
    tone.loop = 15;
    tone.entries = {{"4C6", RingToneStyle::Natural},
                    {"SS", RingToneStyle::Staccato},
                    {"8A#5.", RingToneStyle::Staccato}};
    d.ringTones.upload(7, tone);
    return d;
}

int countAside(const std::string &dir) {
    int n = 0;
    for (const auto &entry : std::filesystem::directory_iterator(dir)) {
        n += entry.path().filename().string().find(".damaged-") != std::string::npos ? 1 : 0;
    }
    return n;
}

}  // namespace

TEST(PhoneStateCodec, WritesAndReadsEveryRecord) {
    const VirtualPhoneData d = busyPhone();
    const std::string text = PhoneStateCodec::write(d);
    for (char c : text) {
        ASSERT_TRUE(c == '\n' || c == '\t' || (c >= 0x20 && c < 0x7F)) << static_cast<int>(c);
    }
    VirtualPhoneData back;
    std::string error;
    ASSERT_TRUE(PhoneStateCodec::read(text, back, error)) << error;
    EXPECT_EQ(PhoneStateCodec::write(back), text);
    EXPECT_EQ(back.clock.offset(), d.clock.offset());
    EXPECT_EQ(back.logos.startupText(), "50% off \xe9t\xe9");
    ASSERT_TRUE(back.ringTones.locations()[6]);
    EXPECT_EQ(*back.ringTones.locations()[6], *d.ringTones.locations()[6]);
    EXPECT_EQ(back.sms.box(SmsBox::Outbox).back().userData,
              d.sms.box(SmsBox::Outbox).back().userData);
    EXPECT_EQ(back.logos.pictures()[9]->text, u"\u263a smile");
}

TEST(PhoneStateCodec, RefusesDamage) {
    const std::string good = PhoneStateCodec::write(busyPhone());
    const auto replaced = [&](const std::string &from, const std::string &to) {
        std::string s = good;
        const size_t at = s.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? s : s.replace(at, from.size(), to);
    };
    const std::vector<std::string> damaged = {
        "",
        good.substr(0, good.size() / 2),  // cut short
        good.substr(0, good.size() - 1),  // last line without its newline
        replaced("phoneeng-virtual-phone\t1", "phoneeng-virtual-phone\t2"),
        replaced("\nclock\t", "\nclocks\t"),  // unknown record
        replaced("\nalarm\t1\t7\t30", "\nalarm\t1\t25\t30"),
        replaced("\nalarm\t1\t7\t30", "\nalarm\t1\t7"),
        replaced("\nreference\t255", "\nreference\t256"),
        replaced("\nreference\t255", "\nreference\t2x5"),
        replaced("\nentry\t0\t200\t2\t", "\nentry\t0\t201\t2\t"),
        replaced("Ren%E9", "Ren%G9"),
        replaced("\nspeed-dial\t5\t0\t200", "\nspeed-dial\t5\t0\t199"),  // points at nothing
        replaced("19991231235959", "19991331235959"),
        replaced("\nend\t", "\nend\t9"),
        good + "clock\t0\n",  // after the end line
    };
    for (size_t i = 0; i < damaged.size(); ++i) {
        VirtualPhoneData d;
        std::string error;
        EXPECT_FALSE(PhoneStateCodec::read(damaged[i], d, error)) << "case " << i;
        EXPECT_FALSE(error.empty()) << "case " << i;
    }
}

TEST_F(VirtualPhoneTest, PhoneStateSurvivesARestart) {
    ASSERT_EQ(setphonebookentry(10, PE_MEM_PHONE, "Kept", "+4411", 3), PE_OK);
    ASSERT_EQ(setspeeddial(4, PE_MEM_PHONE, 10), PE_OK);
    ASSERT_EQ(deletephonebookentry(2, PE_MEM_SIM), PE_OK);
    ASSERT_EQ(sendsms("+15555550123", "kept message", 1, 1 | PE_SMS_DELIVERY_REPORT), PE_OK);
    ASSERT_EQ(deletesmsmsg(PE_BOX_INBOX, 1), PE_OK);
    ASSERT_EQ(setlogo("text", "Kept text", ""), PE_OK);
    ASSERT_EQ(setdatetime(2002, 6, 7, 8, 9, 10), PE_OK);
    ASSERT_EQ(setalarm(5, 55), PE_OK);
    ASSERT_EQ(dialvoice("5550100"), PE_OK);
    Logo logo = logotest::randomLogo(LogoType::Startup, 9);
    engine().logo = logo;
    ASSERT_EQ(logo_upload(), PE_OK);
    RingTone tone;
    tone.name = "Kept";
    tone.entries.push_back({"4E6", RingToneStyle::Continuous});
    engine().ringTone = tone;
    ASSERT_EQ(ringtone_upload(3), PE_OK);
    const int16_t inbox = getsmsmsgcount(PE_BOX_INBOX);
    const int16_t unread = getsmsmsgunread();
    const std::string text = TestHome::readText(statePath());

    restart();
    EXPECT_EQ(TestHome::readText(statePath()), text);  // loading writes nothing
    EXPECT_EQ(phonebookEntry(10, PE_MEM_PHONE), (Entry{PE_OK, "Kept", "+4411", 3}));
    EXPECT_EQ(phonebookEntry(2, PE_MEM_SIM), (Entry{PE_OK, "", "", 0}));
    int32_t mem = 0, loc = 0;
    ASSERT_EQ(getspeeddial(4, &mem, &loc), PE_OK);
    EXPECT_EQ(loc, 10);
    EXPECT_EQ(phonebookEntry(1, PE_MEM_DIALLED).number, "5550100");
    EXPECT_EQ(getsmsmsgcount(PE_BOX_INBOX), inbox);
    EXPECT_EQ(getsmsmsgunread(), unread);
    EXPECT_EQ(messageField(PE_BOX_INBOX, inbox, PE_SMSFIELD_TEXT), "kept message");
    EXPECT_EQ(getsmsmsgcount(PE_BOX_OUTBOX), 1);
    EXPECT_EQ(getsmssentread(PE_BOX_OUTBOX, 1), 1);
    EXPECT_EQ(getsmsmsgcount(PE_BOX_REPORTS), 1);
    int32_t y = 0, on = 0, h = 0, mi = 0;
    ASSERT_EQ(getdatetime(&y, nullptr, nullptr, nullptr, nullptr, nullptr), PE_OK);
    EXPECT_EQ(y, 2002);
    ASSERT_EQ(getalarm(&on, &h, &mi), PE_OK);
    EXPECT_EQ(on * 100 + h * 60 + mi, 100 + 5 * 60 + 55);
    engine().logo = Logo{};
    ASSERT_EQ(logo_download(PE_LOGO_STARTUP), PE_OK);
    EXPECT_EQ(engine().logo.bitmap(), logo.bitmap());
    EXPECT_NE(text.find("Kept text"), std::string::npos);
    EXPECT_NE(text.find("ringtone\t3\tKept"), std::string::npos);
    EXPECT_EQ(smsreceivedcount(), 0);  // counted from the new link's start
}

TEST_F(VirtualPhoneTest, PhoneStateDamagedFileIsMovedAsideAndThePhoneStartsFresh) {
    ASSERT_EQ(setphonebookentry(1, PE_MEM_PHONE, "Lost", "1", 0), PE_OK);
    std::string text = TestHome::readText(statePath());
    TestHome::writeFile(statePath(), text.substr(0, text.size() / 3));
    testing::internal::CaptureStderr();
    EXPECT_EQ(phoneeng_virtual_reload(), PE_FILE_FORMAT);
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("virtual-phone.state"), std::string::npos);
    EXPECT_NE(message.find("moved"), std::string::npos);
    EXPECT_EQ(countAside(dir()), 1);
    ASSERT_EQ(init("VIRTUAL", 0), PE_OK);
    EXPECT_EQ(phonebookEntry(1, PE_MEM_PHONE), (Entry{PE_OK, "", "", 0}));
    EXPECT_EQ(phonebookEntry(1, PE_MEM_SIM).name, "Alice Baker");  // factory content
    ASSERT_EQ(setphonebookentry(1, PE_MEM_PHONE, "New", "2", 0), PE_OK);
    EXPECT_NE(TestHome::readText(statePath()).find("New"), std::string::npos);
}

TEST_F(VirtualPhoneTest, PhoneStateUnreadableFileIsMovedAside) {
    terminate();
    std::filesystem::create_directory(statePath());  // not a file at all
    testing::internal::CaptureStderr();
    EXPECT_EQ(phoneeng_virtual_reload(), PE_FILE_FORMAT);
    EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
    EXPECT_EQ(countAside(dir()), 1);
    ASSERT_EQ(init("VIRTUAL", 0), PE_OK);
    EXPECT_EQ(setalarm(1, 2), PE_OK);
    EXPECT_TRUE(std::filesystem::is_regular_file(statePath()));
}

TEST_F(VirtualPhoneTest, PhoneStateUnwritableFolderKeepsThePhoneInMemory) {
    // A folder that cannot be made (a file stands in its way): works as root too.
    const std::string blocked = dir() + "/blocked";
    TestHome::writeFile(blocked, "x");
    setenv("PHONEENG_VIRTUAL_DIR", (blocked + "/phoneeng").c_str(), 1);
    ASSERT_EQ(phoneeng_virtual_reload(), PE_OK);
    ASSERT_EQ(init("VIRTUAL", 0), PE_OK);
    testing::internal::CaptureStderr();
    EXPECT_EQ(setphonebookentry(3, PE_MEM_PHONE, "Memory", "3", 0), PE_OK);
    EXPECT_EQ(setphonebookentry(4, PE_MEM_PHONE, "Only", "4", 0), PE_OK);
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("cannot save"), std::string::npos);
    EXPECT_EQ(message.find("cannot save"), message.rfind("cannot save"));  // said once
    EXPECT_EQ(phonebookEntry(4, PE_MEM_PHONE).name, "Only");
}

TEST_F(VirtualPhoneTest, PhoneStatePathFollowsTheEnvironment) {
    EXPECT_EQ(textOf(phoneeng_virtual_state_path), statePath());
    unsetenv("PHONEENG_VIRTUAL_DIR");
    setenv("XDG_DATA_HOME", (dir() + "/data").c_str(), 1);
    ASSERT_EQ(phoneeng_virtual_reload(), PE_OK);
    EXPECT_EQ(textOf(phoneeng_virtual_state_path), dir() + "/data/phoneeng/virtual-phone.state");
    unsetenv("XDG_DATA_HOME");
    ASSERT_EQ(phoneeng_virtual_reload(), PE_OK);
    EXPECT_EQ(textOf(phoneeng_virtual_state_path),
              dir() + "/.local/share/phoneeng/virtual-phone.state");
}
