// The engine's own libgammu link against the virtual phone on a serial line:
// engine -> libgammu -> FBUS frames on a pseudo-terminal -> phoneeng-fbus-phone
// -> the virtual phone's state, read back here through the call set.
#include <chrono>
#include <thread>

#include "FbusPhoneSupport.h"
#include "LogoTestSupport.h"
#include "VirtualTestSupport.h"
#include "phone/VirtualPhone.h"
#include "ringtone/RingToneBinary.h"

using namespace phoneeng;
using virtualtest::Entry;
using virtualtest::phonebookEntry;
using virtualtest::VirtualPhoneTest;

TEST_F(VirtualPhoneTest, FbusLinkCarriesLogosToneMessagesAndPhonebook) {
    terminate();
    FbusPhoneProcess phone;
    ASSERT_EQ(init((phone.path() + "F").c_str(), PE_CONNECTION_SERIAL), PE_OK);

    // Every logo kind up and down, pixel for pixel.
    unsigned seed = 11;
    for (LogoType type : logotest::kAllTypes) {
        SCOPED_TRACE(static_cast<int>(type));
        Logo sent = logotest::randomLogo(type, seed++);
        sent.groupNumber = 2;
        sent.netCode = type == LogoType::Operator ? "244 05" : "";
        sent.groupName = type == LogoType::Caller ? "Climbers" : "";
        sent.message = type == LogoType::Picture ? u"See you at eight" : u"";
        engine().logo = sent;
        ASSERT_EQ(logo_upload(), PE_OK);
        engine().logo = Logo{};
        engine().logo.groupNumber = 2;
        ASSERT_EQ(logo_download(static_cast<int32_t>(type)), PE_OK);
        EXPECT_EQ(engine().logo.bitmap(), sent.bitmap());
    }

    // A ring tone up; it is read back from the phone's state below.
    RingTone tone;
    tone.name = "Fbus";
    tone.tempo = 125;
    for (const char *note : {"8C6", "8E6", "4G6", "8P", "2C7"}) {
        tone.entries.push_back({note, RingToneStyle::Natural});
    }
    engine().ringTone = tone;
    ASSERT_EQ(ringtone_upload(4), PE_OK);

    // An SMS to the phone's own number comes back, with its delivery report.
    ASSERT_EQ(updatesmslist(), PE_OK);
    const int16_t inboxBefore = getsmsmsgcount(PE_BOX_INBOX);
    ASSERT_EQ(sendsms(virtualphone::kOwnNumber, "Note to self", 1, 1 | PE_SMS_DELIVERY_REPORT),
              PE_OK);
    int32_t data = -1;
    int32_t ack = -1;
    for (int i = 0; i < 100 && getsmssendack(&data, &ack) != 1; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_EQ(ack, 1);
    EXPECT_GE(smsreceivedcount(), 1);  // the phone told the link of the arrival
    ASSERT_EQ(updatesmslist(), PE_OK);
    ASSERT_EQ(getsmsmsgcount(PE_BOX_INBOX), inboxBefore + 1);
    EXPECT_EQ(virtualtest::messageField(PE_BOX_INBOX, inboxBefore + 1, PE_SMSFIELD_TEXT),
              "Note to self");
    ASSERT_GE(getsmsmsgcount(PE_BOX_REPORTS), 1);

    // A call from the network is announced over the line.
    phone.command("ring +15555550101");
    bool rang = false;
    for (int i = 0; i < 50 && !rang; ++i) {
        rang = incomingevent() != 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_TRUE(rang);
    EXPECT_EQ(virtualtest::textOf(incoming), "+15555550101");
    phone.command("hangup");

    // The SIM phonebook to its end.
    std::vector<Entry> overLink{phonebookEntry(1, PE_MEM_SIM)};
    while (overLink.back().code == PE_OK && overLink.size() < 1000) {
        overLink.push_back(phonebookEntry(int32_t(overLink.size() + 1), PE_MEM_SIM));
    }
    EXPECT_EQ(overLink.back().code, PE_PAST_END);
    overLink.pop_back();
    terminate();

    readSavedState();
    for (size_t i = 0; i < overLink.size(); ++i) {
        EXPECT_EQ(phonebookEntry(int32_t(i + 1), PE_MEM_SIM), overLink[i]) << i + 1;
    }
    EXPECT_EQ(phonebookEntry(int32_t(overLink.size() + 1), PE_MEM_SIM).code, PE_PAST_END);
    const auto &stored = virtualPhone().data().ringTones.locations()[3];
    ASSERT_TRUE(stored.has_value());
    RingTone expected;
    ASSERT_EQ(decodeRingToneBinary(encodeRingToneBinary(tone), expected), PE_OK);
    // libgammu carries the music (name, tempo, notes), not the repeat count.
    EXPECT_EQ(stored->name, expected.name);
    EXPECT_EQ(stored->tempo, expected.tempo);
    ASSERT_EQ(stored->entries.size(), expected.entries.size());
    for (size_t i = 0; i < expected.entries.size(); ++i) {
        EXPECT_EQ(stored->entries[i].text, expected.entries[i].text) << i;
    }
    // What the link's logo format cannot carry back still reached the phone.
    engine().logo.groupNumber = 2;
    ASSERT_EQ(logo_download(PE_LOGO_OPERATOR), PE_OK);
    EXPECT_EQ(engine().logo.netCode, "244 05");
    ASSERT_EQ(logo_download(PE_LOGO_CALLER), PE_OK);
    EXPECT_EQ(engine().logo.groupName, "Climbers");
    ASSERT_EQ(logo_download(PE_LOGO_PICTURE), PE_OK);
    EXPECT_EQ(engine().logo.message, u"See you at eight");
}
