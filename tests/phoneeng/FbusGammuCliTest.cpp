// The gammu command line against the virtual phone on a serial line: one
// batch of the commands people use most that the engine's own link does not
// send (FbusLinkTest carries logos and ring tones), each result compared
// with the virtual phone's state read through the call set.
#include <cstdio>

#include "FbusPhoneSupport.h"
#include "VirtualTestSupport.h"
#include "phone/VirtualPhone.h"

using namespace phoneeng;
using virtualtest::Entry;
using virtualtest::phonebookEntry;
using virtualtest::VirtualPhoneTest;

namespace {

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
    for (int32_t loc = 1; phonebookEntry(loc, PE_MEM_SIM).code == PE_OK; ++loc) {
        const Entry e = phonebookEntry(loc, PE_MEM_SIM);
        if (!e.number.empty()) {
            EXPECT_TRUE(contains(out, "\"" + e.name + "\"")) << loc;
            EXPECT_TRUE(contains(out, "\"" + e.number + "\"")) << loc;
        }
    }
    EXPECT_TRUE(contains(out, "Location             : 3\nName                 : \"" +
                                  phonebookEntry(2, PE_MEM_SIM).name + "\""))
        << out;
}
