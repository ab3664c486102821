#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "EditorTestSupport.h"
#include "FileTestSupport.h"
#include "shell/FileAssociation.h"
#include "shell/FirstRunSetup.h"
#include "shell/Settings.h"

using namespace glyphsmith;
using glyphsmith::test::EditorHome;
using glyphsmith::test::fileBytes;
using glyphsmith::test::writeBytes;

namespace {

QString setting(const EditorHome &home, const char *key) {
    return ReadSetting(home.env.paths.settingsFile, QStringLiteral("RunStatus"),
                       QString::fromLatin1(key), QStringLiteral("<missing>"));
}

TEST(FirstRunSetupTest, FirstRunInstallsFoldersSamplesSettingsAndAssociation) {
    EditorHome home;
    const AppPaths &p = home.env.paths;
    ASSERT_TRUE(RunFirstRunSetup(home.env, nullptr));

    EXPECT_TRUE(QFileInfo(p.logosFolder).isDir());
    const QStringList samples = SampleRingtoneNames();
    EXPECT_GE(samples.size(), 20);
    EXPECT_EQ(samples.first(), QStringLiteral("mambo.txt"));
    EXPECT_EQ(QDir(p.ringtonesFolder).entryList(QDir::Files).size(), samples.size());

    EXPECT_EQ(setting(home, "RunBefore"), QStringLiteral("1"));
    EXPECT_EQ(setting(home, "ComPort"), QStringLiteral("COM1"));
    EXPECT_EQ(setting(home, "DefaultLogo"), QStringLiteral("Operator Logo"));
    EXPECT_EQ(setting(home, "ApplicationPath"), p.programFolder);
    EXPECT_EQ(setting(home, "HelpFilePath"), p.defaultHelpPath());
    // the template's key order survives filling in the values
    const QByteArray ini = fileBytes(p.settingsFile);
    EXPECT_LT(ini.indexOf("ApplicationPath="), ini.indexOf("ComPort="));
    EXPECT_LT(ini.indexOf("ComPort="), ini.indexOf("DefaultLogo="));
    EXPECT_LT(ini.indexOf("HelpFilePath="), ini.indexOf("RunBefore="));

    const QByteArray mime =
        fileBytes(MimePackagePath(p.dataHome, QStringLiteral("GlyphsmithImageFile")));
    for (const char *glob : {"*.NOL", "*.ngg", "*.NLM", "*.nsl", "*.GSP"}) {
        EXPECT_TRUE(mime.contains(glob)) << glob;
    }
    EXPECT_EQ(home.refreshed, QStringList{p.dataHome});
    EXPECT_TRUE(home.messages->shown.empty());
}

TEST(FirstRunSetupTest, SecondRunWritesNothing) {
    EditorHome home;
    const AppPaths &p = home.env.paths;
    ASSERT_TRUE(RunFirstRunSetup(home.env, nullptr));
    const QByteArray ini = fileBytes(p.settingsFile);
    QFile::remove(p.ringtonesFolder + QStringLiteral("/mambo.txt"));
    QFile::remove(MimePackagePath(p.dataHome, QStringLiteral("GlyphsmithImageFile")));
    home.refreshed.clear();

    EXPECT_FALSE(RunFirstRunSetup(home.env, nullptr));
    EXPECT_FALSE(QFileInfo::exists(p.ringtonesFolder + QStringLiteral("/mambo.txt")));
    EXPECT_FALSE(
        QFileInfo::exists(MimePackagePath(p.dataHome, QStringLiteral("GlyphsmithImageFile"))));
    EXPECT_EQ(fileBytes(p.settingsFile), ini);
    EXPECT_TRUE(home.refreshed.isEmpty());
}

TEST(FirstRunSetupTest, RepeatedSetupKeepsExistingSamples) {
    EditorHome home;
    const AppPaths &p = home.env.paths;
    QDir().mkpath(p.ringtonesFolder);
    const QString mine = p.ringtonesFolder + QStringLiteral("/mambo.txt");
    ASSERT_TRUE(writeBytes(mine, "MyOwn:d=4,o=5,b=100:c,d,e"));
    ASSERT_TRUE(RunFirstRunSetup(home.env, nullptr));
    EXPECT_EQ(fileBytes(mine), QByteArray("MyOwn:d=4,o=5,b=100:c,d,e"));
    EXPECT_TRUE(QFileInfo::exists(p.ringtonesFolder + QStringLiteral("/odetojoy.txt")));
}

TEST(FirstRunSetupTest, RingtoneFolderThatCannotBeMadeIsReportedAndSettingsStillWritten) {
    EditorHome home;
    home.env.firstRunWaitMs = 300;
    const AppPaths &p = home.env.paths;
    {
        QFile blocker(p.ringtonesFolder);  // a file where the folder should be
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(RunFirstRunSetup(home.env, nullptr));
    ASSERT_EQ(home.messages->shown.size(), 1u);
    EXPECT_EQ(home.messages->shown[0].text,
              QStringLiteral("Error writing to drive C. It may be full!"));
    EXPECT_EQ(setting(home, "RunBefore"), QStringLiteral("1"));
    EXPECT_EQ(setting(home, "DefaultLogo"), QStringLiteral("Operator Logo"));
    EXPECT_EQ(home.refreshed.size(), 1);
}

}  // namespace
