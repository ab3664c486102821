// Conversion between every pair of logo formats with the pixels compared,
// ring tones between RTTTL and OTT, and what damaged input does.
#include <gtest/gtest.h>

#include "CliRunner.h"

using namespace glyphsmith::test;

namespace {

struct Size {
    int w, h;
};

struct Format {
    const char *ext;
    std::optional<Size> own;  // the size writing this format gives the logo
};

const Format kFormats[] = {{"nol", Size{72, 14}}, {"ngg", Size{72, 14}}, {"nsl", Size{84, 48}},
                           {"nlm", {}},           {"bmp", {}},           {"otb", {}},
                           {"gsp", {}},           {"png", {}},           {"xbm", {}}};
const struct {
    const char *name;
    Size size;
} kLogos[] = {{"op", {72, 14}}, {"pic", {72, 28}}, {"boot", {84, 48}}};

Size after(Size s, const Format &f) {
    return f.own ? *f.own : s;
}

TEST(ConvertTest, EveryFormatPairKeepsThePixels) {
    CliHome home;
    for (const auto &logo : kLogos) {
        home.write(QStringLiteral("src/%1.gsp").arg(logo.name),
                   gspText(logo.size.w, logo.size.h, pattern));
    }
    // step 1: every logo into every format, a folder at a time
    for (const Format &f : kFormats) {
        const CliRun r =
            home.run({"convert", home.path("src"), "--to", f.ext, "-o", home.path("step1")});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_EQ(r.err, "") << "a batch writes nothing extra when not on a terminal";
        for (const auto &logo : kLogos) {
            const QString name = QStringLiteral("step1/%1.%2").arg(logo.name, f.ext);
            home.write(QStringLiteral("flat/%1-%2.%2").arg(logo.name, f.ext), home.read(name));
        }
    }
    // step 2: each of those into every format; step 3: all of it back to GSP
    for (const Format &g : kFormats) {
        const CliRun r = home.run({"convert", home.path("flat"), "--to", g.ext, "-o",
                                   home.path(QStringLiteral("step2-%1").arg(g.ext))});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        home.run({"convert", home.path(QStringLiteral("step2-%1").arg(g.ext)), "--to", "gsp", "-o",
                  home.path(QStringLiteral("back-%1").arg(g.ext))});
    }
    for (const auto &logo : kLogos) {
        for (const Format &f : kFormats) {
            for (const Format &g : kFormats) {
                const Size s1 = after(logo.size, f), s2 = after(s1, g);
                const int w = std::min({logo.size.w, s1.w, s2.w});
                const int h = std::min({logo.size.h, s1.h, s2.h});
                const QByteArray expected = gspText(
                    s2.w, s2.h, [&](int x, int y) { return x < w && y < h && pattern(x, y); });
                EXPECT_EQ(
                    home.read(QStringLiteral("back-%1/%2-%3.gsp").arg(g.ext, logo.name, f.ext)),
                    expected)
                    << logo.name << " via " << f.ext << " and " << g.ext;
            }
        }
    }
}

TEST(ConvertTest, DamagedInputGivesOneLineAndWritesNothing) {
    CliHome home;
    home.write("good.gsp", gspText(72, 14, pattern));
    ASSERT_EQ(home.run({"convert", "good.gsp", "good.nol"}).code, 0);
    ASSERT_EQ(home.run({"convert", "good.gsp", "good.png"}).code, 0);
    const struct {
        const char *name;
        QByteArray bytes;
        const char *out;
    } cases[] = {
        {"cut.nol", home.read("good.nol").left(400), "x.nlm"},
        {"noise.nlm", QByteArray(300, '\x5a'), "x.nol"},
        {"empty.ngg", QByteArray(), "x.gsp"},
        {"letters.gsp", "0101x\r\n1100\r\n", "x.nsl"},
        {"odd.gsp", gspText(50, 9, pattern), "x.otb"},
        {"noise.ott", QByteArray(40, '\x7f'), "x.txt"},
        {"bad.txt", "name:d=4,o=5,b=63:zz9,4c", "x.ott"},
        {"missing.nsl", {}, "x.bmp"},
        {"cut.png", home.read("good.png").left(60), "x.nol"},
        {"noise.gif", "GIF89a" + QByteArray(200, '\x33'), "x.png"},
        {"noise.jpg", QByteArray(200, '\x33'), "x.h"},
    };
    for (const auto &c : cases) {
        if (QByteArray(c.name) != "missing.nsl") {
            home.write(c.name, c.bytes);
        }
        const CliRun r = home.run({"convert", c.name, c.out});
        EXPECT_EQ(r.code, 2) << c.name;
        EXPECT_EQ(r.err.count('\n'), 1) << c.name << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.name)) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(home.path(c.out))) << c.name;
        EXPECT_EQ(QDir(home.path("")).entryList(QDir::Hidden | QDir::Files).filter(".x").size(), 0);
    }
}

TEST(ConvertTest, BatchGoesOnPastABadFileAndSaysSo) {
    CliHome home;
    home.write("in/a.gsp", gspText(72, 28, pattern));
    home.write("in/b.nol", "NOL garbage");
    home.write("in/c.gsp", gspText(84, 48, pattern));
    const CliRun r = home.run({"convert", "in", "--to", "nlm", "-o", "out"});
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.err.count('\n'), 1);
    EXPECT_EQ(QDir(home.path("out")).entryList(QDir::Files), QStringList({"a.nlm", "c.nlm"}));
}

TEST(ConvertTest, UsageErrorsExitOne) {
    CliHome home;
    home.write("a.gsp", gspText(72, 14, pattern));
    for (const QStringList &args : {QStringList{"convert", "a.gsp"},
                                    {"convert", "a.gsp", "a.xyz"},
                                    {"convert", "a.gsp", "a.nol", "--dither", "sideways"},
                                    {"convert", "a.gsp", "a.nol", "--fit", "--fill"},
                                    {"convert", "a.gsp", "a.nol", "--kind", "square"},
                                    {"convert", "a.gsp", "a.nol", "--bogus"},
                                    {"frobnicate"}}) {
        const CliRun r = home.run(args);
        EXPECT_EQ(r.code, 1) << args.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(home.path("a.nol")));
}

TEST(ConvertTest, RingTonesGoBetweenRtttlAndOttNoteForNote) {
    CliHome home;
    home.write("tune.txt", "Tune:d=8,o=5,b=140:4c,d#,g.,p,2a#,16c6,4f#4,s=s,e,8b");
    ASSERT_EQ(home.run({"convert", "tune.txt", "plain.rtttl"}).code, 0);
    ASSERT_EQ(home.run({"convert", "tune.txt", "tune.ott"}).code, 0);
    ASSERT_EQ(home.run({"convert", "tune.ott", "back.txt"}).code, 0);
    EXPECT_EQ(home.read("back.txt"), home.read("plain.rtttl"));
    ASSERT_EQ(home.run({"convert", "tune.txt", "up.txt", "--transpose", "5"}).code, 0);
    ASSERT_EQ(home.run({"convert", "up.txt", "down.txt", "--transpose", "-5"}).code, 0);
    EXPECT_EQ(home.read("down.txt"), home.read("plain.rtttl"));
    EXPECT_NE(home.read("up.txt"), home.read("plain.rtttl"));
    EXPECT_EQ(home.run({"convert", "tune.txt", "far.txt", "--transpose", "100"}).code, 2);
}

}  // namespace
