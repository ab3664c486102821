// The ring tone group of the call set, through its C entry points.
#include <gtest/gtest.h>

#include <string>

#include "Engine.h"
#include "TestHome.h"
#include "phoneeng.h"

using namespace phoneeng;

namespace {

class RingToneApi : public ::testing::Test {
protected:
    void SetUp() override {
        std::lock_guard lock(engineLock());
        engine().ringTone = RingTone{};
    }
    static RingTone current() {
        std::lock_guard lock(engineLock());
        return engine().ringTone;
    }
    static std::string note(int16_t i) {
        char buf[128];
        const int16_t rc = ringtone_getnote(i, buf, sizeof buf);
        return rc == PE_OK ? std::string(buf) : "code " + std::to_string(rc);
    }
    static std::string name() {
        char buf[128];
        EXPECT_EQ(ringtone_getname(buf, sizeof buf), PE_OK);
        return buf;
    }
};

}  // namespace

TEST_F(RingToneApi, StartsEmptyAtSixtyThreeBeats) {
    EXPECT_EQ(ringtone_getnotes(), 0);
    EXPECT_EQ(ringtone_gettempo(), 63);
    EXPECT_EQ(name(), "");
    EXPECT_EQ(ringtone_getstyle(0), PE_STYLE_NATURAL);
    EXPECT_EQ(note(0), "code 6");
}

TEST_F(RingToneApi, NotesAreValidatedAndKeptCanonical) {
    ASSERT_EQ(ringtone_setnotes(3), PE_OK);
    EXPECT_EQ(note(0), "4P");  // new entries are quarter pauses
    EXPECT_EQ(note(2), "4P");
    EXPECT_EQ(ringtone_setnote(0, "8a#5."), PE_OK);
    EXPECT_EQ(note(0), "8A#5.");
    EXPECT_EQ(ringtone_setnote(1, " h6"), PE_OK);
    EXPECT_EQ(note(1), "4B6");

    // Which texts are notes is NoteText's; here that a refusal changes nothing.
    EXPECT_EQ(ringtone_setnote(2, "4A10"), PE_BAD_ARGUMENT);
    EXPECT_EQ(ringtone_setnote(2, nullptr), PE_BAD_ARGUMENT);
    EXPECT_EQ(ringtone_setnote(3, "4C5"), PE_BAD_ARGUMENT);
    EXPECT_EQ(ringtone_setnote(-1, "4C5"), PE_BAD_ARGUMENT);
    EXPECT_EQ(note(2), "4P");
    EXPECT_EQ(ringtone_getnotes(), 3);

    char tiny[4] = {'#', '#', '#', '#'};
    EXPECT_EQ(ringtone_getnote(0, tiny, 3), PE_OK);
    EXPECT_EQ(std::string(tiny), "8A");
    EXPECT_EQ(tiny[3], '#');
    EXPECT_EQ(ringtone_getnote(0, nullptr, 3), PE_BAD_ARGUMENT);

    EXPECT_EQ(ringtone_setnotes(256), PE_BAD_ARGUMENT);
    EXPECT_EQ(ringtone_setnotes(-1), PE_BAD_ARGUMENT);
    EXPECT_EQ(ringtone_setnotes(255), PE_OK);
    EXPECT_EQ(note(0), "8A#5.");
    EXPECT_EQ(ringtone_setnotes(1), PE_OK);
    EXPECT_EQ(ringtone_getnotes(), 1);
    EXPECT_EQ(note(0), "8A#5.");
}

TEST_F(RingToneApi, StylesFollowStyleChangesAndTheDefaultStyle) {
    ASSERT_EQ(ringtone_setnotes(4), PE_OK);
    ASSERT_EQ(ringtone_setnote(2, "ss"), PE_OK);
    EXPECT_EQ(note(2), "SS");
    EXPECT_EQ(ringtone_getstyle(1), PE_STYLE_NATURAL);
    EXPECT_EQ(ringtone_getstyle(3), PE_STYLE_STACCATO);

    // Replacing the style change by a note gives the rest the style before it.
    ASSERT_EQ(ringtone_setnote(2, "4C5"), PE_OK);
    EXPECT_EQ(ringtone_getstyle(3), PE_STYLE_NATURAL);

    ASSERT_EQ(ringtone_setnote(1, "SC"), PE_OK);
    ASSERT_EQ(ringtone_setdefstyle(PE_STYLE_STACCATO), PE_OK);
    for (int16_t i = 0; i < 4; ++i) {
        EXPECT_EQ(ringtone_getstyle(i), PE_STYLE_STACCATO) << i;
    }
    EXPECT_EQ(note(1), "SS");  // the style change now says the same
    EXPECT_EQ(ringtone_getstyle(99), PE_STYLE_STACCATO);
    EXPECT_EQ(ringtone_setdefstyle(3), PE_BAD_ARGUMENT);
    EXPECT_EQ(ringtone_setdefstyle(-1), PE_BAD_ARGUMENT);
    EXPECT_EQ(ringtone_getstyle(0), PE_STYLE_STACCATO);
}

TEST_F(RingToneApi, TempoAndName) {
    EXPECT_EQ(ringtone_settempo(120), PE_OK);
    EXPECT_EQ(ringtone_gettempo(), 120);
    for (int16_t bad : {0, -5, 24, 901}) {
        EXPECT_EQ(ringtone_settempo(bad), PE_BAD_ARGUMENT) << bad;
    }
    EXPECT_EQ(ringtone_gettempo(), 120);

    EXPECT_EQ(ringtone_setname("  Twenty characters! "), PE_OK);
    EXPECT_EQ(name(), "Twenty characters!");
    EXPECT_EQ(ringtone_setname("Twenty-one characters"), PE_BAD_ARGUMENT);
    EXPECT_EQ(ringtone_setname("a:b"), PE_BAD_ARGUMENT);
    EXPECT_EQ(ringtone_setname("line\nbreak"), PE_BAD_ARGUMENT);
    EXPECT_EQ(name(), "Twenty characters!");
    EXPECT_EQ(ringtone_setname(nullptr), PE_OK);
    EXPECT_EQ(name(), "");
}

TEST_F(RingToneApi, FilesRoundTripAndFailuresChangeNothing) {
    TestHome dir;
    const std::string text =
        dir.write("in.txt", std::string("Tune: d=8, o=5, b=112: c, e, g, ss, 4c6.\n"));
    ASSERT_EQ(ringtone_readfile(text.c_str()), PE_OK);
    EXPECT_EQ(name(), "Tune");
    EXPECT_EQ(ringtone_gettempo(), 112);
    EXPECT_EQ(ringtone_getnotes(), 5);
    EXPECT_EQ(note(4), "4C7.");
    EXPECT_EQ(ringtone_getstyle(4), PE_STYLE_STACCATO);
    const RingTone read = current();

    const std::string out = dir.file("out.txt");
    ASSERT_EQ(ringtone_writefile(out.c_str()), PE_OK);
    const auto written = TestHome::read(out);
    EXPECT_EQ(std::string(written.begin(), written.end()), "Tune:d=8,o=5,b=112:c,e,g,ss,4c6.\n");
    const std::string ott = dir.file("out.OTT");
    ASSERT_EQ(ringtone_writefile(ott.c_str()), PE_OK);
    EXPECT_EQ(TestHome::read(ott)[0], 0x02);

    for (const std::string &bad :
         {dir.file("missing.txt"), dir.path(), dir.write("bad.txt", std::string("nothing")),
          dir.write("bad.ott", std::vector<uint8_t>{0x02, 0x4A}),
          dir.write("big.txt", std::string(70000, ' '))}) {
        EXPECT_NE(ringtone_readfile(bad.c_str()), PE_OK) << bad;
        EXPECT_EQ(current(), read) << bad;
    }
    ASSERT_EQ(ringtone_readfile(ott.c_str()), PE_OK);  // by content, whatever the name
    EXPECT_EQ(current(), read);
    ASSERT_EQ(ringtone_readfile(out.c_str()), PE_OK);
    EXPECT_EQ(current(), read);

    // A tone the binary cannot hold: nothing is written.
    ASSERT_EQ(ringtone_setnote(0, "4C2"), PE_OK);
    const std::string low = dir.file("low.ott");
    EXPECT_EQ(ringtone_writefile(low.c_str()), PE_NOT_SUPPORTED);
    EXPECT_EQ(ringtone_writefile(dir.file("no/such/dir.txt").c_str()), PE_FILE_OPEN);
    EXPECT_EQ(ringtone_writefile(nullptr), PE_FILE_OPEN);
    EXPECT_EQ(ringtone_readfile(nullptr), PE_FILE_OPEN);
    for (const auto &e : dir.entries()) {
        EXPECT_EQ(e.find(".tmp"), std::string::npos) << e;
        EXPECT_NE(e, "low.ott");
    }
}
