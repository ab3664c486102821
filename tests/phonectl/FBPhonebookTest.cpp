// FBPhonebookEntry and FBSpeedDial against the recording fake engine: the
// addressing rules, reads, setters that write only after a successful read,
// WriteData, Delete and LastError, through both doors.
#include "ControlTestSupport.h"
#include "velkor17/FBPhonebookEntry.h"
#include "velkor17/FBSpeedDial.h"

namespace {

void entryAnswer(const char *name, const char *number, int group, int code = 0) {
    fakeengine::answer("getphonebookentry")
        .text(0, name)
        .text(1, number)
        .out(0, group)
        .result(code);
}

std::string readOf(int location, int memory) {
    return "getphonebookentry(" + std::to_string(location) + ", " + std::to_string(memory) +
           ", buf, buf, &)";
}

class PhonebookTest : public ControlTest {
protected:
    FBPhonebookEntry *entry(qint16 location, fbMemoryType memory = fbSimMemory) {
        FBPhonebookEntry *e = control->PhoneBook(location, memory);
        fakeengine::reset();
        return e;
    }
};

TEST_F(PhonebookTest, WhileTheLinkIsDownOrWithoutAnAddressNothingIsRead) {
    FBPhonebookEntry *e = entry(5);
    EXPECT_EQ(e->Name(), QString());
    EXPECT_EQ(e->invoke(0x68030002, Get), v(QString()));
    EXPECT_EQ(e->invoke(0x68030001, Get), v<qint16>(-1));
    e->setName(QStringLiteral("Bob"));
    EXPECT_TRUE(fakeengine::calls().empty());
    EXPECT_EQ(e->LastError(), 0);
    connect();
    EXPECT_EQ(entry(-1)->Name(), QString());
    EXPECT_EQ(entry(3, fbUnknownMemory)->Name(), QString());
    EXPECT_TRUE(fakeengine::calls().empty());
}

TEST_F(PhonebookTest, EachGetterReadsTheEngineAndKeepsAllThreeValues) {
    connect();
    FBPhonebookEntry *e = entry(5);
    entryAnswer("Alice", "+358401234567", 2);
    EXPECT_EQ(e->Name(), QStringLiteral("Alice"));
    EXPECT_EQ(e->lastNumber(), QStringLiteral("+358401234567"));
    EXPECT_EQ(e->lastGroup(), 2);

    e = entry(6);
    entryAnswer("B\xF6rje", "555", 4);
    EXPECT_EQ(e->invoke(0x68030002, Get), v(QStringLiteral("555")));
    EXPECT_EQ(e->lastName(), QStringLiteral("Börje"));
    EXPECT_EQ(e->lastGroup(), 4);
    entryAnswer("B\xF6rje", "555", 4);
    EXPECT_EQ(e->Group(), 4);
    EXPECT_EQ(fakeengine::calls(), (Lines{readOf(6, 1), readOf(6, 1)}));
}

TEST_F(PhonebookTest, AFailedReadGivesTheLastValuesAndItsCode) {
    connect();
    FBPhonebookEntry *e = entry(5);
    entryAnswer("Alice", "1", 2);
    e->Name();
    entryAnswer("junk", "junk", 9, 10);
    EXPECT_EQ(e->Name(), QStringLiteral("Alice"));
    EXPECT_EQ(e->LastError(), 10);
    // The same address again keeps the values; another forgets them.
    e = entry(5);
    fakeengine::answer("getphonebookentry").result(2);
    EXPECT_EQ(e->Number(), QStringLiteral("1"));
    e = entry(5, fbPhoneMemory);
    fakeengine::answer("getphonebookentry").result(2);
    EXPECT_EQ(e->Number(), QString());
    EXPECT_EQ(e->lastGroup(), -1);
    EXPECT_EQ(fakeengine::calls(), Lines{readOf(5, 0)});
}

TEST_F(PhonebookTest, ALinkGoingDownForgetsTheValues) {
    connect();
    FBPhonebookEntry *e = entry(5);
    entryAnswer("Alice", "1", 2);
    e->Name();
    control->Disconnect();
    e = entry(5);
    EXPECT_EQ(e->lastName(), QString());
    EXPECT_EQ(e->Name(), QString());
    EXPECT_TRUE(fakeengine::calls().empty());
}

TEST_F(PhonebookTest, SettersResendTheOtherFieldsAfterASuccessfulRead) {
    connect();
    FBPhonebookEntry *e = entry(5);
    entryAnswer("Alice", "+358", 2);
    e->setName(QStringLiteral("Åsa"));
    entryAnswer("Alice", "+358", 2);
    e->invoke(0x68030002, Put, {QStringLiteral("+46")});
    entryAnswer("Alice", "+358", 2);
    fakeengine::answer("setphonebookentry").result(11);
    e->invoke(0x68030001, Put, {qint16(3)});
    EXPECT_EQ(e->LastError(), 11);
    EXPECT_EQ(fakeengine::calls(),
              (Lines{readOf(5, 1), "setphonebookentry(5, 1, \"\xC5sa\", \"+358\", 2)", readOf(5, 1),
                     R"(setphonebookentry(5, 1, "Alice", "+46", 2))", readOf(5, 1),
                     R"(setphonebookentry(5, 1, "Alice", "+358", 3))"}));
}

TEST_F(PhonebookTest, ASetterWhoseReadFailsWritesNothing) {
    connect();
    FBPhonebookEntry *e = entry(5);
    fakeengine::answer("getphonebookentry").result(22);
    e->setGroup(2);
    EXPECT_EQ(e->LastError(), 22);
    fakeengine::answer("getphonebookentry").result(10);
    e->invoke(0x68030003, Put, {QStringLiteral("X")});
    EXPECT_EQ(e->LastError(), 10);
    EXPECT_TRUE(fakeengine::callsTo("setphonebookentry").empty());
}

TEST_F(PhonebookTest, WriteDataAndDeleteNeedNoRead) {
    FBPhonebookEntry *e = entry(7, fbPhoneMemory);  // link down: no read would happen
    fakeengine::answer("setphonebookentry").result(1);
    EXPECT_EQ(e->WriteData(QStringLiteral("Carl"), QStringLiteral("123"), 1), 1);
    EXPECT_EQ(e->LastError(), 1);
    EXPECT_EQ(e->invoke(0x60030009, Method, {QStringLiteral("Dan"), QStringLiteral("4"), 0}),
              v<qint16>(0));
    fakeengine::answer("deletephonebookentry").result(10);
    e->invoke(0x6003000A, Method);
    EXPECT_EQ(e->invoke(0x68030000, Get), v<qint16>(10));
    EXPECT_EQ(fakeengine::calls(),
              (Lines{R"(setphonebookentry(7, 0, "Carl", "123", 1))",
                     R"(setphonebookentry(7, 0, "Dan", "4", 0))", "deletephonebookentry(7, 0)"}));
}

// ---- Speed dials -------------------------------------------------------------------

class SpeedDialTest : public ControlTest {
protected:
    FBSpeedDial *key(qint16 location) {
        FBSpeedDial *k = control->SpeedDial(location);
        fakeengine::reset();
        return k;
    }
    static void keyAnswer(int memory, int number, int code = 0) {
        fakeengine::answer("getspeeddial").out(0, memory).out(1, number).result(code);
    }
};

TEST_F(SpeedDialTest, WhileTheLinkIsDownOrWithoutALocationNothingIsReadOrWritten) {
    FBSpeedDial *k = key(3);
    EXPECT_EQ(k->Number(), 0);
    EXPECT_EQ(k->MemoryType(), fbUnknownMemory);
    k->setNumber(4);
    EXPECT_TRUE(fakeengine::calls().empty());
    connect();
    k = key(-1);
    EXPECT_EQ(k->Number(), 0);
    EXPECT_EQ(k->invoke(0x68030000, Get), v<qint16>(0));
    EXPECT_TRUE(fakeengine::calls().empty());
}

TEST_F(SpeedDialTest, GettersReadTheKey) {
    connect();
    FBSpeedDial *k = key(3);
    keyAnswer(1, 7);
    EXPECT_EQ(k->invoke(0x68030002, Get), v<qint16>(7));
    keyAnswer(0, 12);
    EXPECT_EQ(k->invoke(0x68030001, Get), v<qint32>(fbPhoneMemory));
    EXPECT_EQ(k->lastNumber(), 12);
    EXPECT_EQ(fakeengine::calls(), (Lines{"getspeeddial(3, &, &)", "getspeeddial(3, &, &)"}));
}

TEST_F(SpeedDialTest, SettersResendTheOtherValueOnlyAfterASuccessfulRead) {
    connect();
    FBSpeedDial *k = key(3);
    keyAnswer(1, 7);
    k->setNumber(9);
    keyAnswer(1, 7);
    fakeengine::answer("setspeeddial").result(11);
    k->invoke(0x68030001, Put, {qint32(fbPhoneMemory)});
    EXPECT_EQ(k->LastError(), 11);
    keyAnswer(1, 7, 10);
    k->setNumber(2);
    EXPECT_EQ(k->LastError(), 10);
    EXPECT_EQ(fakeengine::calls(),
              (Lines{"getspeeddial(3, &, &)", "setspeeddial(3, 1, 9)", "getspeeddial(3, &, &)",
                     "setspeeddial(3, 0, 7)", "getspeeddial(3, &, &)"}));
}

TEST_F(SpeedDialTest, AnotherKeyOrALinkGoingDownForgetsTheValues) {
    connect();
    FBSpeedDial *k = key(3);
    keyAnswer(1, 7);
    k->Number();
    k = key(3);
    fakeengine::answer("getspeeddial").result(10);
    EXPECT_EQ(k->Number(), 7);  // the same key keeps them
    k = key(4);
    fakeengine::answer("getspeeddial").result(10);
    EXPECT_EQ(k->Number(), 0);
    fakeengine::answer("getspeeddial").result(10);
    EXPECT_EQ(k->MemoryType(), fbUnknownMemory);
    keyAnswer(1, 7);
    k->Number();
    control->Disconnect();
    k = key(4);
    EXPECT_EQ(k->lastNumber(), 0);
    EXPECT_EQ(k->lastMemoryType(), fbUnknownMemory);
}

}  // namespace
