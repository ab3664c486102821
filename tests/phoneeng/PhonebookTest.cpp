#include "VirtualTestSupport.h"
#include "phone/PhonebookMemory.h"

using namespace phoneeng;
using virtualtest::Entry;
using virtualtest::phonebookEntry;
using virtualtest::VirtualPhoneTest;

namespace {

// Reads a memory from location 1 until PE_PAST_END; gives the count of
// locations, or -1 when another failure comes first.
int32_t locationsOf(int32_t mem) {
    for (int32_t loc = 1; loc <= 1000; ++loc) {
        const int16_t code = phonebookEntry(loc, mem).code;
        if (code == PE_PAST_END) {
            return loc - 1;
        }
        if (code != PE_OK) {
            return -1;
        }
    }
    return -1;
}

}  // namespace

TEST_F(VirtualPhoneTest, PhonebookEveryMemoryEndsWithPastEnd) {
    EXPECT_EQ(locationsOf(PE_MEM_PHONE), 200);
    EXPECT_EQ(locationsOf(PE_MEM_SIM), 100);
    EXPECT_EQ(locationsOf(PE_MEM_FIXED_DIAL), 10);
    EXPECT_EQ(locationsOf(PE_MEM_OWN_NUMBER), 2);
    EXPECT_EQ(locationsOf(PE_MEM_EMERGENCY), 2);
    EXPECT_EQ(locationsOf(PE_MEM_DIALLED), 10);
    EXPECT_EQ(locationsOf(PE_MEM_RECEIVED), 10);
    EXPECT_EQ(locationsOf(PE_MEM_MISSED), 10);
    EXPECT_EQ(locationsOf(PE_MEM_LAST_DIALLED), 10);
    EXPECT_EQ(locationsOf(PE_MEM_COMBINED), 300);
    for (int32_t bad : {-1, 10, 255, 1000}) {
        EXPECT_EQ(phonebookEntry(1, bad).code, PE_BAD_ARGUMENT) << bad;
    }
    EXPECT_EQ(phonebookEntry(0, PE_MEM_SIM).code, PE_BAD_ARGUMENT);
    EXPECT_EQ(phonebookEntry(-3, PE_MEM_SIM).code, PE_BAD_ARGUMENT);
}

TEST_F(VirtualPhoneTest, PhonebookSimStartsWithAFewEntriesInGroups) {
    int used = 0, grouped = 0;
    for (int32_t loc = 1; loc <= 100; ++loc) {
        const Entry e = phonebookEntry(loc, PE_MEM_SIM);
        ASSERT_EQ(e.code, PE_OK);
        if (e.number.empty()) {
            EXPECT_EQ(e.name, "");
            EXPECT_EQ(e.group, 0);
            continue;
        }
        ++used;
        grouped += e.group > 0 ? 1 : 0;
        EXPECT_TRUE(e.group >= 0 && e.group <= 5);
    }
    EXPECT_GE(used, 4);
    EXPECT_GE(grouped, 2);
    EXPECT_EQ(phonebookEntry(1, PE_MEM_OWN_NUMBER).number, "+15555550123");
}

TEST_F(VirtualPhoneTest, PhonebookWritesReadBackAndDelete) {
    ASSERT_EQ(setphonebookentry(100, PE_MEM_SIM, "Zoe", "+4412345", 5), PE_OK);
    EXPECT_EQ(phonebookEntry(100, PE_MEM_SIM), (Entry{PE_OK, "Zoe", "+4412345", 5}));
    EXPECT_EQ(phonebookEntry(300, PE_MEM_COMBINED).name, "Zoe");  // the SIM after the phone memory

    ASSERT_EQ(setphonebookentry(200, PE_MEM_PHONE, "A twenty byte name!!", "12*#p3", 0), PE_OK);
    EXPECT_EQ(phonebookEntry(200, PE_MEM_COMBINED).number, "12*#p3");
    ASSERT_EQ(setphonebookentry(5, PE_MEM_COMBINED, "Via combined", "555", 1), PE_OK);
    EXPECT_EQ(phonebookEntry(5, PE_MEM_PHONE).name, "Via combined");

    ASSERT_EQ(deletephonebookentry(100, PE_MEM_SIM), PE_OK);
    EXPECT_EQ(phonebookEntry(100, PE_MEM_SIM), (Entry{PE_OK, "", "", 0}));
    ASSERT_EQ(setphonebookentry(5, PE_MEM_PHONE, "", "", 0), PE_OK);  // clears too
    EXPECT_EQ(phonebookEntry(5, PE_MEM_PHONE).name, "");
}

TEST_F(VirtualPhoneTest, PhonebookRefusesWhatAPhoneWouldRefuse) {
    EXPECT_EQ(setphonebookentry(101, PE_MEM_SIM, "X", "1", 0), PE_PAST_END);
    EXPECT_EQ(setphonebookentry(0, PE_MEM_SIM, "X", "1", 0), PE_BAD_ARGUMENT);
    EXPECT_EQ(setphonebookentry(1, 42, "X", "1", 0), PE_BAD_ARGUMENT);
    EXPECT_EQ(setphonebookentry(1, PE_MEM_SIM, "Name only", "", 0), PE_BAD_ARGUMENT);
    EXPECT_EQ(setphonebookentry(1, PE_MEM_SIM, "X", "12-34", 0), PE_BAD_ARGUMENT);
    EXPECT_EQ(setphonebookentry(1, PE_MEM_SIM, "Fifteen chars!!", "1", 0), PE_BAD_ARGUMENT);
    EXPECT_EQ(setphonebookentry(1, PE_MEM_SIM, "X", "1", 6), PE_BAD_ARGUMENT);
    EXPECT_EQ(setphonebookentry(1, PE_MEM_SIM, "X", "1", -1), PE_BAD_ARGUMENT);
    EXPECT_EQ(setphonebookentry(1, PE_MEM_FIXED_DIAL, "X", "1", 2), PE_BAD_ARGUMENT);
    EXPECT_EQ(setphonebookentry(1, PE_MEM_SIM, "Tab\there", "1", 0), PE_BAD_ARGUMENT);
    EXPECT_EQ(setphonebookentry(1, PE_MEM_EMERGENCY, "X", "1", 0), PE_PHONE_ERROR);
    EXPECT_EQ(setphonebookentry(1, PE_MEM_DIALLED, "X", "1", 0), PE_PHONE_ERROR);
    EXPECT_EQ(deletephonebookentry(1, PE_MEM_EMERGENCY), PE_PHONE_ERROR);
    EXPECT_EQ(deletephonebookentry(11, PE_MEM_MISSED), PE_PAST_END);
    EXPECT_EQ(phonebookEntry(1, PE_MEM_SIM).name, "Alice Baker");  // nothing changed

    char small[4], number[4];
    int32_t group = 0;
    EXPECT_EQ(getphonebookentry(1, PE_MEM_SIM, small, 4, number, 4, &group), PE_OK);
    EXPECT_STREQ(small, "Ali");  // cut to the buffer
    EXPECT_EQ(getphonebookentry(1, PE_MEM_SIM, nullptr, 4, number, 4, &group), PE_BAD_ARGUMENT);
    EXPECT_EQ(getphonebookentry(1, PE_MEM_SIM, small, 0, number, 4, &group), PE_BAD_ARGUMENT);
    EXPECT_EQ(getphonebookentry(1, PE_MEM_SIM, small, 4, number, 4, nullptr), PE_OK);
}

TEST_F(VirtualPhoneTest, PhonebookCallListsCloseGapsWhenDeleted) {
    for (const char *n : {"5550001", "5550002", "5550003"}) {
        ASSERT_EQ(dialvoice(n), PE_OK);
        ASSERT_EQ(hangup(), PE_OK);
    }
    EXPECT_EQ(phonebookEntry(1, PE_MEM_DIALLED).number, "5550003");
    ASSERT_EQ(deletephonebookentry(1, PE_MEM_DIALLED), PE_OK);
    EXPECT_EQ(phonebookEntry(1, PE_MEM_DIALLED).number, "5550002");
    EXPECT_EQ(phonebookEntry(3, PE_MEM_DIALLED).number, "");
    for (int i = 0; i < 12; ++i) {
        ASSERT_EQ(dialvoice("5550100"), PE_OK);
        ASSERT_EQ(hangup(), PE_OK);
    }
    EXPECT_EQ(phonebookEntry(10, PE_MEM_DIALLED).number,
              "5550100");  // the list keeps the newest ten
}

TEST_F(VirtualPhoneTest, PhonebookSpeedDials) {
    int32_t mem = -1, number = -1;
    ASSERT_EQ(getspeeddial(2, &mem, &number), PE_OK);
    EXPECT_EQ(mem, PE_MEM_SIM);
    EXPECT_EQ(number, 1);
    EXPECT_EQ(getspeeddial(3, &mem, &number), PE_EMPTY);
    ASSERT_EQ(setspeeddial(9, PE_MEM_SIM, 3), PE_OK);
    ASSERT_EQ(getspeeddial(9, &mem, &number), PE_OK);
    EXPECT_EQ(number, 3);
    EXPECT_EQ(setspeeddial(8, PE_MEM_SIM, 50), PE_EMPTY);  // nobody there
    EXPECT_EQ(setspeeddial(8, PE_MEM_SIM, 101), PE_PAST_END);
    EXPECT_EQ(setspeeddial(1, PE_MEM_SIM, 1), PE_BAD_ARGUMENT);
    EXPECT_EQ(setspeeddial(10, PE_MEM_SIM, 1), PE_BAD_ARGUMENT);
    EXPECT_EQ(setspeeddial(8, PE_MEM_DIALLED, 1), PE_BAD_ARGUMENT);
    EXPECT_EQ(getspeeddial(0, &mem, &number), PE_BAD_ARGUMENT);
    EXPECT_EQ(getspeeddial(2, nullptr, nullptr), PE_OK);

    // Deleting the entry frees the key; location 0 clears it.
    ASSERT_EQ(deletephonebookentry(3, PE_MEM_SIM), PE_OK);
    EXPECT_EQ(getspeeddial(9, &mem, &number), PE_EMPTY);
    ASSERT_EQ(setspeeddial(2, PE_MEM_SIM, 0), PE_OK);
    EXPECT_EQ(getspeeddial(2, &mem, &number), PE_EMPTY);
}

TEST(PhonebookMemoryUnit, NamesComeFromThePhoneBeforeTheSim) {
    PhonebookMemory pb;
    ASSERT_EQ(pb.write(PE_MEM_SIM, 1, {"On SIM", "+15555550100", 0}), PE_OK);
    EXPECT_EQ(pb.nameOf("0015555550100"), "On SIM");
    ASSERT_EQ(pb.write(PE_MEM_PHONE, 7, {"On phone", "15555550100", 0}), PE_OK);
    EXPECT_EQ(pb.nameOf("+15555550100"), "On phone");
    EXPECT_EQ(pb.nameOf("5550100"), "");
    EXPECT_EQ(pb.nameOf(""), "");
}
