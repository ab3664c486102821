// The recording fake engine itself: what it logs and how it answers.
#include <gtest/gtest.h>

#include "FakeEngine.h"
#include "phoneeng.h"

namespace {

template <typename F>
F engineFunction(const char *name) {
    return fakeengine::symbol<F>(name);
}
#define ENGINE(name) engineFunction<decltype(&::name)>(#name)

class FakeEngineTest : public ::testing::Test {
protected:
    void SetUp() override { fakeengine::reset(); }
};

TEST_F(FakeEngineTest, LogsEveryCallWithItsArguments) {
    char buffer[16];
    int32_t value = 0;
    ENGINE(set_vlkr_instance)(7);
    ENGINE(sendsms)("555", nullptr, 1, 65537);
    ENGINE(getimei)(buffer, 16);
    ENGINE(getrflevel)(&value);
    ENGINE(getnetworkinfo)(buffer, 16, const_cast<char *>("1"), 0, nullptr, 0);
    const uint16_t text[] = {'H', 0xE9, 0};
    ENGINE(logo_setmessage)(text, 4, 1);
    fakeengine::note("#mark");
    EXPECT_EQ(fakeengine::rawCalls(),
              (fakeengine::Lines{"set_vlkr_instance(7)", R"(sendsms("555", null, 1, 65537))",
                                 "getimei(buf, 16)", "getrflevel(&)",
                                 R"(getnetworkinfo(buf, 16, "1", 0, null, 0))",
                                 "logo_setmessage(u\"H\xc3\xa9\", 4, 1)", "#mark"}));
    EXPECT_EQ(fakeengine::calls()[4], R"(getnetworkinfo(buf, "1", 0, null, 0))");  // no capacities
    EXPECT_EQ(fakeengine::names().front(), "set_vlkr_instance");
}

TEST_F(FakeEngineTest, AnswersInOrderThenByDefault) {
    fakeengine::answer("isalive").result(3);
    fakeengine::answer("isalive").result(4);
    fakeengine::byDefault("isalive").result(9);
    EXPECT_EQ(ENGINE(isalive)(), 3);
    EXPECT_EQ(ENGINE(isalive)(), 4);
    EXPECT_EQ(ENGINE(isalive)(), 9);
    EXPECT_EQ(ENGINE(isalive)(), 9);
    EXPECT_EQ(ENGINE(hangup)(), 0);
}

TEST_F(FakeEngineTest, WritesTextsWithinTheBufferAndOutValuesOnlyWhenScripted) {
    fakeengine::answer("getsms").result(13).text(0, "+358").text(1, "a long text");
    char number[8];
    char text[5];
    EXPECT_EQ(ENGINE(getsms)(0, number, 8, text, 5), 13);
    EXPECT_STREQ(number, "+358");
    EXPECT_STREQ(text, "a lo");  // cut to the buffer, NUL included

    int32_t data = -1, ack = -1;
    fakeengine::answer("getsmssendack").result(1).out(1, 1);
    ENGINE(getsmssendack)(&data, &ack);
    EXPECT_EQ(data, -1);
    EXPECT_EQ(ack, 1);

    char unwritten[4] = {'x', 'x', 'x', 'x'};
    ENGINE(getimei)(unwritten, 4);  // default answer: ""
    EXPECT_EQ(unwritten[0], '\0');
}

TEST_F(FakeEngineTest, FillsUtf16BuffersWhenTheAnswerIsUtf16) {
    fakeengine::answer("getsmsmsgdata").result(0).utf16(0, u"\u00e9t\u00e9");
    uint16_t units[8] = {};
    ENGINE(getsmsmsgdata)(13, 1, 1, units, 8);
    EXPECT_EQ(units[0], 0xE9);
    EXPECT_EQ(units[2], 0xE9);
    EXPECT_EQ(units[3], 0);
}

}  // namespace
