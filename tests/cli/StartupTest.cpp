// What the program loads: a conversion between the engine's formats starts
// without Qt's GUI libraries and without libgammu (the dynamic loader's own
// report, LD_DEBUG=files, on standard error); a picture format loads them.
#include <gtest/gtest.h>

#include "CliRunner.h"

using namespace glyphsmith::test;

TEST(StartupTest, EngineFormatsLoadOnlyWhatTheyNeed) {
    CliHome home;
    home.write(QStringLiteral("a.gsp"), gspText(72, 14, pattern));
    ASSERT_EQ(home.run({"convert", home.path("a.gsp"), home.path("a.nol")}).code, 0);
    home.setEnv(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    const CliRun engine = home.run({"convert", home.path("a.nol"), home.path("b.nlm")});
    ASSERT_EQ(engine.code, 0);
    EXPECT_TRUE(engine.err.contains(QLatin1String("libphoneeng.so")));
    for (const char *heavy : {"libQt6Gui", "libQt6Widgets", "libGammu", "cli-pictures"}) {
        EXPECT_FALSE(engine.err.contains(QLatin1String(heavy))) << heavy;
    }
    const CliRun picture = home.run({"convert", home.path("b.nlm"), home.path("b.png")});
    ASSERT_EQ(picture.code, 0);
    EXPECT_TRUE(picture.err.contains(QLatin1String("libglyphsmith-cli-pictures.so")));
    EXPECT_TRUE(picture.err.contains(QLatin1String("libQt6Gui")));
}
