// The logo group of the call set, through its C entry points.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "Engine.h"
#include "LogoTestSupport.h"
#include "TestHome.h"
#include "logo/LogoCodec.h"
#include "phoneeng.h"

using namespace phoneeng;

namespace {

class LogoApi : public ::testing::Test {
protected:
    void SetUp() override {
        std::lock_guard lock(engineLock());
        engine().logo = Logo{};
    }
    static Logo current() {
        std::lock_guard lock(engineLock());
        return engine().logo;
    }
    static std::string netCode() {
        char buf[32];
        std::memset(buf, ' ', sizeof buf);
        EXPECT_EQ(logo_getdata(nullptr, nullptr, nullptr, buf, sizeof buf), PE_OK);
        return buf;
    }
};

}  // namespace

TEST_F(LogoApi, TypeAndNetworkCode) {
    int32_t type = -1, w = -1, h = -1;
    char buf[8] = "xxxxxxx";
    EXPECT_EQ(logo_getdata(&type, &w, &h, buf, 0), PE_OK);
    EXPECT_EQ(std::string(buf), "xxxxxxx");  // length 0: no code written
    EXPECT_EQ(type, PE_LOGO_NONE);
    EXPECT_EQ(w, 0);

    EXPECT_EQ(logo_setdata(PE_LOGO_STARTUP, "244 5"), PE_OK);
    EXPECT_EQ(logo_getdata(&type, &w, &h, nullptr, 0), PE_OK);
    EXPECT_EQ(type, PE_LOGO_STARTUP);
    EXPECT_EQ(w, 84);
    EXPECT_EQ(h, 48);
    EXPECT_EQ(netCode(), "244 05");

    // Refused arguments change nothing.
    EXPECT_EQ(logo_setdata(5, "244 05"), PE_BAD_ARGUMENT);
    EXPECT_EQ(logo_setdata(-1, "244 05"), PE_BAD_ARGUMENT);
    EXPECT_EQ(logo_setdata(PE_LOGO_OPERATOR, "not a code"), PE_BAD_ARGUMENT);
    EXPECT_EQ(current().type(), LogoType::Startup);
    EXPECT_EQ(netCode(), "244 05");
    EXPECT_EQ(logo_getdata(&type, &w, &h, nullptr, 4), PE_BAD_ARGUMENT);
    EXPECT_EQ(logo_getdata(&type, &w, &h, buf, -1), PE_BAD_ARGUMENT);

    // A short buffer gets the code cut, NUL-terminated, never overrun.
    char small[5];
    std::memset(small, '#', sizeof small);
    EXPECT_EQ(logo_getdata(nullptr, nullptr, nullptr, small, 4), PE_OK);
    EXPECT_EQ(std::string(small), "244");
    EXPECT_EQ(small[4], '#');
    EXPECT_EQ(logo_setdata(PE_LOGO_OPERATOR, nullptr), PE_OK);
    EXPECT_EQ(netCode(), "");
}

TEST_F(LogoApi, PixelsUseZeroForSetAndKeepWhatFitsAcrossTypes) {
    ASSERT_EQ(logo_setdata(PE_LOGO_STARTUP, ""), PE_OK);
    EXPECT_EQ(logo_getpixel(3, 4), 1);
    EXPECT_EQ(logo_setpixel(3, 4, 0), PE_OK);
    EXPECT_EQ(logo_setpixel(80, 40, 7), PE_OK);  // any value but 1 sets
    EXPECT_EQ(logo_getpixel(3, 4), 0);
    EXPECT_EQ(logo_getpixel(80, 40), 0);
    EXPECT_EQ(logo_setpixel(84, 0, 0), PE_BAD_ARGUMENT);
    EXPECT_EQ(logo_setpixel(0, -1, 0), PE_BAD_ARGUMENT);
    EXPECT_EQ(logo_getpixel(84, 0), 1);
    EXPECT_EQ(logo_getpixel(-1, 0), 1);

    ASSERT_EQ(logo_setdata(PE_LOGO_OPERATOR, ""), PE_OK);
    EXPECT_EQ(logo_getpixel(3, 4), 0);
    EXPECT_EQ(logo_getpixel(80, 40), 1);  // outside now
    EXPECT_EQ(logo_setpixel(3, 4, 1), PE_OK);
    EXPECT_EQ(logo_getpixel(3, 4), 1);
}

TEST_F(LogoApi, GroupNumberAndName) {
    EXPECT_EQ(logo_setgroupnumber(4), PE_OK);
    EXPECT_EQ(logo_getgroupnumber(), 4);
    EXPECT_EQ(logo_setgroupnumber(-1), PE_BAD_ARGUMENT);
    EXPECT_EQ(logo_getgroupnumber(), 4);

    EXPECT_EQ(logo_setgroupname("Family"), PE_OK);
    char buf[256];
    EXPECT_EQ(logo_getgroupname(buf, sizeof buf), PE_OK);
    EXPECT_EQ(std::string(buf), "Family");
    EXPECT_EQ(logo_setgroupname(std::string(256, 'x').c_str()), PE_BAD_ARGUMENT);
    EXPECT_EQ(logo_setgroupname(std::string(255, 'x').c_str()), PE_OK);
    EXPECT_EQ(logo_getgroupname(buf, sizeof buf), PE_OK);
    EXPECT_EQ(std::strlen(buf), 255u);
    EXPECT_EQ(logo_getgroupname(nullptr, 10), PE_BAD_ARGUMENT);
    EXPECT_EQ(logo_getgroupname(buf, 0), PE_BAD_ARGUMENT);
}

TEST_F(LogoApi, MessageTextInBothEncodings) {
    int32_t length = -1, unicode = -1;
    EXPECT_EQ(logo_getmessagedata(&length, &unicode), PE_OK);
    EXPECT_EQ(length, 0);
    EXPECT_EQ(unicode, 0);

    const char latin[] = "Gr\xFC\xDF";  // Grüß in ISO-8859-1
    EXPECT_EQ(logo_setmessage(latin, 4, 0), PE_OK);
    EXPECT_EQ(logo_getmessagedata(&length, &unicode), PE_OK);
    EXPECT_EQ(length, 4);
    EXPECT_EQ(unicode, 0);
    char text[512];
    EXPECT_EQ(logo_getmessagetext(text, 512), PE_OK);
    EXPECT_STREQ(text, latin);
    char cut[3] = {'#', '#', '#'};
    EXPECT_EQ(logo_getmessagetext(cut, 3), PE_OK);  // 2 characters and the NUL
    EXPECT_EQ(std::string(cut), "Gr");

    const char16_t wide[] = u"\u041F\u0440\u0438";  // three Cyrillic letters
    EXPECT_EQ(logo_setmessage(wide, 6, 1), PE_OK);
    EXPECT_EQ(logo_getmessagedata(&length, &unicode), PE_OK);
    EXPECT_EQ(length, 3);
    EXPECT_EQ(unicode, 1);
    char16_t back[512];
    EXPECT_EQ(logo_getmessagetext(back, 512), PE_OK);
    EXPECT_EQ(std::u16string(back), std::u16string(wide));

    // Refused: odd UTF-16 byte count, a null text with bytes, over 511
    // characters, an unknown encoding. The text stays.
    EXPECT_EQ(logo_setmessage(wide, 5, 1), PE_BAD_ARGUMENT);
    EXPECT_EQ(logo_setmessage(nullptr, 4, 0), PE_BAD_ARGUMENT);
    const std::string longText(512, 'a');
    EXPECT_EQ(logo_setmessage(longText.data(), 512, 0), PE_BAD_ARGUMENT);
    EXPECT_EQ(logo_setmessage(latin, 4, 2), PE_BAD_ARGUMENT);
    EXPECT_EQ(current().message, std::u16string(wide));
    EXPECT_EQ(logo_getmessagetext(nullptr, 10), PE_BAD_ARGUMENT);

    EXPECT_EQ(logo_setmessage(longText.data(), 511, 0), PE_OK);
    EXPECT_EQ(logo_setmessage(nullptr, 0, 0), PE_OK);
    EXPECT_EQ(logo_getmessagedata(&length, &unicode), PE_OK);
    EXPECT_EQ(length, 0);
}

TEST_F(LogoApi, WriteChoosesTheFormatByExtensionAndReadByContent) {
    TestHome dir;
    ASSERT_EQ(logo_setdata(PE_LOGO_CALLER, ""), PE_OK);
    ASSERT_EQ(logo_setpixel(1, 2, 0), PE_OK);
    const struct {
        const char *name;
        const char *magic;
    } cases[] = {{"a.NGG", "NGG"}, {"b.nol", "NOL"}, {"c.Nlm", "NLM "}, {"d.nsl", "FORM"},
                 {"e.BMP", "BM"},  {"f.txt", "NGG"}, {"noext", "NGG"}};
    for (const auto &c : cases) {
        const std::string path = dir.file(c.name);
        ASSERT_EQ(logo_writefile(path.c_str()), PE_OK) << c.name;
        const auto bytes = TestHome::read(path);
        ASSERT_GE(bytes.size(), std::strlen(c.magic));
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + std::strlen(c.magic)), c.magic)
            << c.name;
    }
    const std::string otb = dir.file("g.otb");
    ASSERT_EQ(logo_writefile(otb.c_str()), PE_OK);
    EXPECT_EQ(TestHome::read(otb).size(), 130u);
    const std::string bmp = dir.file("h.dat");
    ASSERT_EQ(logo_writebmp(bmp.c_str()), PE_OK);
    EXPECT_EQ(TestHome::read(bmp)[0], 'B');

    // An NGG named .nol is still read as what it is: a caller-group logo.
    ASSERT_EQ(logo_setdata(PE_LOGO_STARTUP, ""), PE_OK);
    EXPECT_EQ(logo_readfile(dir.file("a.NGG").c_str()), PE_OK);
    std::rename(dir.file("a.NGG").c_str(), dir.file("x.nol").c_str());
    ASSERT_EQ(logo_setdata(PE_LOGO_STARTUP, ""), PE_OK);
    EXPECT_EQ(logo_readfile(dir.file("x.nol").c_str()), PE_OK);
    EXPECT_EQ(current().type(), LogoType::Caller);
    EXPECT_EQ(logo_getpixel(1, 2), 0);
    const Logo read = current();
    EXPECT_EQ(std::count(read.bitmap().pixels.begin(), read.bitmap().pixels.end(), 1), 1);
}

TEST_F(LogoApi, ReadTakesTypePixelsAndCodeButKeepsGroupAndMessage) {
    TestHome dir;
    Logo op = logotest::randomLogo(LogoType::Operator, 21);
    op.netCode = "310 260";
    const std::string nol = dir.write("op.nol", encodeLogo(op, LogoFormat::Nol));
    ASSERT_EQ(logo_setdata(PE_LOGO_PICTURE, "244 05"), PE_OK);
    ASSERT_EQ(logo_setgroupnumber(2), PE_OK);
    ASSERT_EQ(logo_setmessage("Hi", 2, 0), PE_OK);
    EXPECT_EQ(logo_readfile(nol.c_str()), PE_OK);
    EXPECT_EQ(current().type(), LogoType::Operator);
    EXPECT_EQ(current().bitmap(), op.bitmap());
    EXPECT_EQ(netCode(), "310 260");
    EXPECT_EQ(logo_getgroupnumber(), 2);
    EXPECT_EQ(current().message, u"Hi");

    // NLM has no network code: the logo keeps its own.
    const std::string nlm =
        dir.write("s.nlm", encodeLogo(logotest::randomLogo(LogoType::Startup, 2), LogoFormat::Nlm));
    EXPECT_EQ(logo_readfile(nlm.c_str()), PE_OK);
    EXPECT_EQ(current().type(), LogoType::Startup);
    EXPECT_EQ(netCode(), "310 260");
}

TEST_F(LogoApi, FailedWritesLeaveNoFileAndEmptyLogosWriteNothing) {
    TestHome dir;
    const std::string path = dir.file("none.nol");
    EXPECT_EQ(logo_writefile(path.c_str()), PE_EMPTY);
    EXPECT_EQ(logo_writebmp(path.c_str()), PE_EMPTY);
    EXPECT_TRUE(dir.entries().empty());

    ASSERT_EQ(logo_setdata(PE_LOGO_OPERATOR, ""), PE_OK);
    EXPECT_EQ(logo_writefile(dir.file("no/such/folder.nol").c_str()), PE_FILE_OPEN);
    EXPECT_EQ(logo_writefile(dir.path().c_str()), PE_FILE_OPEN);
    EXPECT_EQ(logo_writefile(nullptr), PE_FILE_OPEN);
    EXPECT_EQ(logo_readfile(nullptr), PE_FILE_OPEN);
    EXPECT_TRUE(dir.entries().empty());

    // Overwriting replaces the old file whole.
    const std::string kept = dir.write("kept.nol", std::string("old contents"));
    EXPECT_EQ(logo_writefile(kept.c_str()), PE_OK);
    EXPECT_EQ(TestHome::read(kept).size(), 1028u);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"kept.nol"});
}
