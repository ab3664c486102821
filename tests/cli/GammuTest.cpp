// Files written by convert read by gammu, and gammu's files read by convert,
// compared pixel for pixel and note for note. Skipped where gammu is missing.
#include <gtest/gtest.h>

#include <QStandardPaths>

#include "CliRunner.h"

using namespace glyphsmith::test;

namespace {

class GammuTest : public ::testing::Test {
protected:
    void SetUp() override {
        gammu_ = QStandardPaths::findExecutable("gammu");
        if (gammu_.isEmpty()) {
            GTEST_SKIP() << "gammu is not installed";
        }
    }
    // gammu's exit status; its warnings about a missing configuration are
    // of no interest.
    int gammu(const QStringList &args) { return home_.run(args, gammu_).code; }

    CliHome home_;
    QString gammu_;
};

TEST_F(GammuTest, LogosGoBothWaysPixelForPixel) {
    const struct {
        const char *kind;
        int w, h;
        const char *ours;    // what convert writes and gammu reads
        const char *theirs;  // what gammu writes and convert reads
    } cases[] = {{"operator", 72, 14, "nol", "nol"}, {"caller", 72, 14, "ngg", "ngg"},
                 {"startup", 84, 48, "nsl", "nsl"},  {"operator", 72, 14, "nlm", "nlm"},
                 {"picture", 72, 28, "nlm", "nlm"},  {"startup", 84, 48, "nlm", "nlm"},
                 {"picture", 72, 28, "nlm", "bmp"}};
    // (gammu neither reads nor writes OTA bitmap files: it writes BMP for .otb)
    for (const auto &c : cases) {
        const QString tag = QStringLiteral("%1-%2").arg(c.kind, c.ours);
        const QByteArray source = gspText(c.w, c.h, pattern);
        home_.write(tag + ".gsp", source);
        ASSERT_EQ(home_.run({"convert", tag + ".gsp", tag + "." + c.ours}).code, 0)
            << tag.toStdString();
        const QString theirs = tag + "-gammu." + c.theirs;
        ASSERT_EQ(gammu({"copybitmap", tag + "." + c.ours, theirs}), 0) << tag.toStdString();
        const CliRun back = home_.run({"convert", theirs, tag + "-back.gsp", "--kind", c.kind});
        ASSERT_EQ(back.code, 0) << back.err.toStdString();
        EXPECT_EQ(home_.read(tag + "-back.gsp"), source) << tag.toStdString();
    }
}

TEST_F(GammuTest, RingTonesGoBothWaysNoteForNote) {
    home_.write("tune.txt", "Tune:d=4,o=5,b=125:8c,8d#,g,8p,2a#,16c6,f.,8e6,a4");
    ASSERT_EQ(home_.run({"convert", "tune.txt", "ours.txt"}).code, 0);
    ASSERT_EQ(home_.run({"convert", "tune.txt", "ours.ott"}).code, 0);

    ASSERT_EQ(gammu({"copyringtone", "ours.ott", "gammu.txt", "RTTL"}), 0);
    ASSERT_EQ(gammu({"copyringtone", "ours.txt", "gammu.ott"}), 0);  // OTT by the extension
    for (const char *theirs : {"gammu.txt", "gammu.ott"}) {
        const CliRun r = home_.run({"convert", theirs, "back.txt"});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        // name and notes; gammu adds a loop count to the defaults
        const QByteArray back = home_.read("back.txt"), ours = home_.read("ours.txt");
        EXPECT_EQ(back.split(':').value(0), ours.split(':').value(0)) << theirs;
        EXPECT_EQ(back.split(':').value(2), ours.split(':').value(2)) << theirs;
    }
}

}  // namespace
