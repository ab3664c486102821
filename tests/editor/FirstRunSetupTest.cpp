#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "EditorTestSupport.h"
#include "shell/FileAssociation.h"
#include "shell/FirstRunSetup.h"
#include "shell/Settings.h"

using namespace glyphsmith;
using glyphsmith::test::EditorHome;

namespace {

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

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
    const QByteArray ini = readAll(p.settingsFile);
    EXPECT_LT(ini.indexOf("ApplicationPath="), ini.indexOf("ComPort="));
    EXPECT_LT(ini.indexOf("ComPort="), ini.indexOf("DefaultLogo="));
    EXPECT_LT(ini.indexOf("HelpFilePath="), ini.indexOf("RunBefore="));

    const QByteArray mime =
        readAll(MimePackagePath(p.dataHome, QStringLiteral("GlyphsmithImageFile")));
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
    const QByteArray ini = readAll(p.settingsFile);
    QFile::remove(p.ringtonesFolder + QStringLiteral("/mambo.txt"));
    QFile::remove(MimePackagePath(p.dataHome, QStringLiteral("GlyphsmithImageFile")));
    home.refreshed.clear();

    EXPECT_FALSE(RunFirstRunSetup(home.env, nullptr));
    EXPECT_FALSE(QFileInfo::exists(p.ringtonesFolder + QStringLiteral("/mambo.txt")));
    EXPECT_FALSE(
        QFileInfo::exists(MimePackagePath(p.dataHome, QStringLiteral("GlyphsmithImageFile"))));
    EXPECT_EQ(readAll(p.settingsFile), ini);
    EXPECT_TRUE(home.refreshed.isEmpty());
}

TEST(FirstRunSetupTest, RepeatedSetupKeepsExistingSamples) {
    EditorHome home;
    const AppPaths &p = home.env.paths;
    QDir().mkpath(p.ringtonesFolder);
    const QString mine = p.ringtonesFolder + QStringLiteral("/mambo.txt");
    {
        QFile f(mine);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("MyOwn:d=4,o=5,b=100:c,d,e");
    }
    ASSERT_TRUE(RunFirstRunSetup(home.env, nullptr));
    EXPECT_EQ(readAll(mine), QByteArray("MyOwn:d=4,o=5,b=100:c,d,e"));
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
    EXPECT_EQ(home.messages->shown[0].title, QStringLiteral("Glyphsmith"));
    EXPECT_EQ(home.messages->shown[0].text,
              QStringLiteral("Error writing to drive C. It may be full!"));
    EXPECT_FALSE(home.messages->shown[0].question);
    EXPECT_EQ(setting(home, "RunBefore"), QStringLiteral("1"));
    EXPECT_EQ(setting(home, "DefaultLogo"), QStringLiteral("Operator Logo"));
    EXPECT_EQ(home.refreshed.size(), 1);
}

// Each sample is one line of ring tone text: a name shorter than 21
// characters, the defaults d=, o= and b=, and notes the ring tone manager reads.
TEST(FirstRunSetupTest, SampleRingtonesAreValidRingtoneTexts) {
    EditorHome home;
    ASSERT_TRUE(RunFirstRunSetup(home.env, nullptr));
    const QRegularExpression note(QStringLiteral("^(1|2|4|8|16|32)?([a-h]#?|p)\\.?([4-7])?\\.?$"),
                                  QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression defaults(QStringLiteral("^d=(1|2|4|8|16|32),o=[4-7],b=\\d+$"));
    for (const QString &name : SampleRingtoneNames()) {
        const QString text =
            QString::fromLatin1(readAll(home.env.paths.ringtonesFolder + u'/' + name)).trimmed();
        const QStringList parts = text.split(u':');
        ASSERT_EQ(parts.size(), 3) << name.toStdString();
        EXPECT_FALSE(parts[0].isEmpty());
        EXPECT_LT(parts[0].size(), 21) << name.toStdString();
        EXPECT_TRUE(defaults.match(parts[1]).hasMatch()) << name.toStdString();
        const QStringList notes = parts[2].split(u',');
        EXPECT_GE(notes.size(), 8) << name.toStdString();
        for (const QString &n : notes) {
            EXPECT_TRUE(note.match(n).hasMatch()) << name.toStdString() << ": " << n.toStdString();
        }
    }
}

}  // namespace
