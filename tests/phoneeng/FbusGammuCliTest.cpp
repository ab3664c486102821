// The gammu command line against the virtual phone on a serial line: one
// batch of the commands people use most, each result compared with the
// virtual phone's state read through the call set.
#include <cstdio>
#include <fstream>

#include "FbusPhoneSupport.h"
#include "LogoTestSupport.h"
#include "VirtualTestSupport.h"
#include "logo/BmpCodec.h"
#include "logo/DecodedLogo.h"
#include "phone/VirtualPhone.h"
#include "ringtone/RingToneBinary.h"

using namespace phoneeng;
using virtualtest::VirtualPhoneTest;

namespace {

struct Kind {
    LogoType type;
    const char *name;
    const char *setHead;  // setbitmap: before the file name
    const char *setTail;  // and after it
    const char *get;      // getbitmap: before the file name
};
constexpr Kind kKinds[] = {
    {LogoType::Startup, "startup", "STARTUP", "", "STARTUP"},
    {LogoType::Operator, "operator", "OPERATOR", " \"244 05\"", "OPERATOR"},
    {LogoType::Caller, "caller", "CALLER 3", "", "CALLER 3"},
    {LogoType::Picture, "picture", "PICTURE", " 3 \"See you\"", "PICTURE 3"},
};

std::string run(const std::string &command) {
    std::string out;
    if (FILE *pipe = ::popen((command + " 2>&1").c_str(), "r")) {
        char buf[4096];
        size_t n = 0;
        while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) {
            out.append(buf, n);
        }
        ::pclose(pipe);
    }
    return out;
}

std::optional<Bitmap> readBmp(const std::string &path) {
    const std::string text = TestHome::readText(path);
    DecodedLogo decoded;
    if (decodeBmp(std::span(reinterpret_cast<const uint8_t *>(text.data()), text.size()),
                  decoded) != PE_OK) {
        return std::nullopt;
    }
    return decoded.bitmap;
}

bool contains(const std::string &haystack, const std::string &needle) {
    return haystack.find(needle) != std::string::npos;
}

}  // namespace

TEST_F(VirtualPhoneTest, FbusGammuCommandLineSeesTheVirtualPhone) {
    ASSERT_EQ(setspeeddial(3, PE_MEM_SIM, 2), PE_OK);  // saved before the phone goes on the line
    terminate();
    FbusPhoneProcess phone;
    const std::string rc = dir() + "/gammurc";
    TestHome::writeFile(rc, "[gammu]\ndevice = " + phone.path() + "\nconnection = fbus\n");

    std::string batch = "identify\n";
    std::vector<Logo> sent;
    unsigned seed = 21;
    for (const Kind &kind : kKinds) {
        sent.push_back(logotest::randomLogo(kind.type, seed++));
        const auto bytes = encodeBmp(sent.back().bitmap());
        const std::string in = dir() + "/" + kind.name + ".bmp";
        TestHome::writeFile(in, std::string(bytes.begin(), bytes.end()));
        batch += std::string("setbitmap ") + kind.setHead + " " + in + kind.setTail + "\n";
        batch +=
            std::string("getbitmap ") + kind.get + " " + dir() + "/" + kind.name + "-back.bmp\n";
    }
    TestHome::writeFile(dir() + "/tone.txt", "Fbus:d=4,o=5,b=125:8c6,8e6,4g6,8p,2c7\n");
    batch += "setringtone " + dir() + "/tone.txt -location 2\n";
    batch += "sendsms TEXT " + std::string(virtualphone::kOwnNumber) + " -text \"Over the line\"\n";
    batch += "getallsms\ngetallmemory SM\ngetspeeddial 3 3\nreset soft\n";
    TestHome::writeFile(dir() + "/batch.txt", batch);
    const std::string out = run("timeout 90 gammu -c " + rc + " batch " + dir() + "/batch.txt");
    EXPECT_TRUE(contains(out, "Batch processed")) << out;
    EXPECT_FALSE(contains(out, "Error")) << out;

    readSavedState();
    // identify: the phone's identity as the call set gives it.
    const std::string revision = virtualtest::textOf(getrevision);  // "V 04.20,HW:0101"
    EXPECT_TRUE(contains(out, "IMEI                 : " + virtualtest::textOf(getimei))) << out;
    EXPECT_TRUE(contains(out, revision.substr(2, revision.find(',') - 2))) << out;
    EXPECT_TRUE(contains(out, revision.substr(revision.find("HW:") + 3))) << out;

    // Logos: what gammu read back is what it wrote, and what the phone keeps.
    for (size_t i = 0; i < sent.size(); ++i) {
        const Kind &kind = kKinds[i];
        SCOPED_TRACE(kind.name);
        EXPECT_EQ(readBmp(dir() + "/" + kind.name + "-back.bmp"), sent[i].bitmap());
        engine().logo = Logo{};
        engine().logo.groupNumber = 2;
        ASSERT_EQ(logo_download(static_cast<int32_t>(kind.type)), PE_OK);
        EXPECT_EQ(engine().logo.bitmap(), sent[i].bitmap());
    }
    engine().logo.groupNumber = 2;
    ASSERT_EQ(logo_download(PE_LOGO_OPERATOR), PE_OK);
    EXPECT_EQ(engine().logo.netCode, "244 05");
    ASSERT_EQ(logo_download(PE_LOGO_PICTURE), PE_OK);
    EXPECT_EQ(engine().logo.message, u"See you");

    // The ring tone as the phone keeps it: the tune of the file.
    ASSERT_EQ(ringtone_readfile((dir() + "/tone.txt").c_str()), PE_OK);
    const auto &stored = virtualPhone().data().ringTones.locations()[1];
    ASSERT_TRUE(stored.has_value());
    RingTone expected;
    ASSERT_EQ(decodeRingToneBinary(encodeRingToneBinary(engine().ringTone), expected), PE_OK);
    EXPECT_EQ(stored->name, expected.name);
    ASSERT_EQ(stored->entries.size(), expected.entries.size());
    for (size_t i = 0; i < expected.entries.size(); ++i) {
        EXPECT_EQ(stored->entries[i].text, expected.entries[i].text) << i;
    }

    // Every stored message listed, the one sent among them (in and out).
    int32_t overGammu = 0;
    for (int32_t box : {PE_BOX_INBOX, PE_BOX_OUTBOX}) {
        for (int32_t n = 1; n <= getsmsmsgcount(box); ++n) {
            const bool plain = getsmsmsgdata(box, n, PE_SMSFIELD_ENCODING, nullptr, 0) == 0;
            if (plain) {
                const std::string text = virtualtest::messageField(box, n, PE_SMSFIELD_TEXT);
                EXPECT_TRUE(contains(out, text)) << text;
                overGammu += text == "Over the line";
            }
        }
    }
    EXPECT_EQ(overGammu, 2);

    // The SIM phonebook and speed dial 3 (SIM location 2).
    char name[64];
    char number[64];
    int32_t group = 0;
    for (int32_t loc = 1; getphonebookentry(loc, PE_MEM_SIM, name, 64, number, 64, &group) == PE_OK;
         ++loc) {
        if (number[0] != '\0') {
            EXPECT_TRUE(contains(out, "\"" + std::string(name) + "\"")) << loc;
            EXPECT_TRUE(contains(out, "\"" + std::string(number) + "\"")) << loc;
        }
    }
    ASSERT_EQ(getphonebookentry(2, PE_MEM_SIM, name, 64, number, 64, &group), PE_OK);
    EXPECT_TRUE(contains(
        out, "Location             : 3\nName                 : \"" + std::string(name) + "\""))
        << out;
}
