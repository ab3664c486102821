// The settings file read and written key by key; the file association's
// media type and desktop entry; and the first run's setup: folders, sample
// tunes, settings and the file association.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "EditorTestSupport.h"
#include "FileTestSupport.h"
#include "shell/FileAssociation.h"
#include "shell/FirstRunSetup.h"
#include "shell/Settings.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    QString read(const QString &key, const QString &def = QStringLiteral("<none>")) {
        return ReadSetting(file, QStringLiteral("RunStatus"), key, def);
    }
    QByteArray contents() { return fileBytes(file); }
    void writeRaw(const QByteArray &bytes) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        ASSERT_TRUE(writeBytes(file, bytes));
    }

    QTemporaryDir dir;
    QString file = dir.path() + QStringLiteral("/conf/Glyphsmith.ini");
};

TEST_F(SettingsTest, MissingFileSectionOrKeyGivesTheDefaultAnEmptyValueNot) {
    EXPECT_EQ(read(QStringLiteral("ComPort"), QStringLiteral("COM1")), QStringLiteral("COM1"));
    writeRaw("[Other]\nComPort=COM7\n");
    EXPECT_EQ(read(QStringLiteral("ComPort"), QStringLiteral("COM1")), QStringLiteral("COM1"));
    writeRaw("[RunStatus]\nDefaultLogo=Startup Logo\n");
    EXPECT_EQ(read(QStringLiteral("ComPort"), QString()), QString());
    // an empty value is read as empty, not as the default
    writeRaw("[RunStatus]\nComPort=\n");
    EXPECT_EQ(read(QStringLiteral("ComPort"), QStringLiteral("COM1")), QString());
}

TEST_F(SettingsTest, WriteCreatesFolderFileSectionAndKeyWithLineEndsAsSpaces) {
    ASSERT_TRUE(WriteSetting(file, QStringLiteral("RunStatus"), QStringLiteral("ComPort"),
                             QStringLiteral("COM3")));
    EXPECT_EQ(read(QStringLiteral("ComPort")), QStringLiteral("COM3"));
    EXPECT_EQ(contents(), QByteArray("[RunStatus]\nComPort=COM3\n"));
    // the value cannot start a line of its own
    WriteSetting(file, QStringLiteral("RunStatus"), QStringLiteral("ComPort"),
                 QStringLiteral("COM1\r\nx"));
    EXPECT_EQ(read(QStringLiteral("ComPort")), QStringLiteral("COM1  x"));
    EXPECT_EQ(contents(), QByteArray("[RunStatus]\nComPort=COM1  x\n"));
}

TEST_F(SettingsTest, ReadGivesAtMost254Characters) {
    const QString longValue(300, QLatin1Char('a'));
    WriteSetting(file, QStringLiteral("RunStatus"), QStringLiteral("HelpFilePath"), longValue);
    EXPECT_EQ(read(QStringLiteral("HelpFilePath")), QString(254, QLatin1Char('a')));
    EXPECT_EQ(read(QStringLiteral("Missing"), longValue).size(), 254);
}

TEST_F(SettingsTest, RewritingAKeyKeepsEveryOtherLine) {
    writeRaw(
        "; made by hand\n[Other]\nComPort=COM9\n\n[RunStatus]\nApplicationPath=\n"
        "ComPort=COM1\nDefaultLogo=Operator Logo\n[Last]\nx=1\n");
    WriteSetting(file, QStringLiteral("RunStatus"), QStringLiteral("ComPort"),
                 QStringLiteral("COM2"));
    WriteSetting(file, QStringLiteral("RunStatus"), QStringLiteral("RunBefore"),
                 QStringLiteral("1"));
    EXPECT_EQ(contents(),
              QByteArray("; made by hand\n[Other]\nComPort=COM9\n\n[RunStatus]\nApplicationPath=\n"
                         "ComPort=COM2\nDefaultLogo=Operator Logo\nRunBefore=1\n[Last]\nx=1\n"));
    EXPECT_EQ(ReadSetting(file, QStringLiteral("Other"), QStringLiteral("ComPort"), QString()),
              QStringLiteral("COM9"));
}

TEST_F(SettingsTest, NamesMatchWithoutRegardToCaseButValuesKeepTheirCase) {
    writeRaw("[runstatus]\r\n  defaultlogo = startup logo  \r\n");
    EXPECT_EQ(read(QStringLiteral("DefaultLogo")), QStringLiteral("startup logo"));
    WriteSetting(file, QStringLiteral("RunStatus"), QStringLiteral("DEFAULTLOGO"),
                 QStringLiteral("Startup Logo"));
    EXPECT_EQ(read(QStringLiteral("defaultLogo")), QStringLiteral("Startup Logo"));
    EXPECT_EQ(contents().count("Logo"), 1);
}

TEST_F(SettingsTest, WriteIntoAnUnwritableFolderFailsQuietly) {
    writeRaw("");
    const QString blocked = file + QStringLiteral("/inside.ini");  // a file used as folder
    EXPECT_FALSE(WriteSetting(blocked, QStringLiteral("RunStatus"), QStringLiteral("ComPort"),
                              QStringLiteral("COM1")));
    EXPECT_EQ(ReadSetting(blocked, QStringLiteral("RunStatus"), QStringLiteral("ComPort"),
                          QStringLiteral("d")),
              QStringLiteral("d"));
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

TEST(FirstRunSetupTest, ASetupKeepsTheUsersOwnSamplesAndASecondRunWritesNothing) {
    EditorHome home;
    const AppPaths &p = home.env.paths;
    QDir().mkpath(p.ringtonesFolder);
    const QString mine = p.ringtonesFolder + QStringLiteral("/mambo.txt");
    ASSERT_TRUE(writeBytes(mine, "MyOwn:d=4,o=5,b=100:c,d,e"));
    ASSERT_TRUE(RunFirstRunSetup(home.env, nullptr));
    EXPECT_EQ(fileBytes(mine), QByteArray("MyOwn:d=4,o=5,b=100:c,d,e"));
    EXPECT_TRUE(QFileInfo::exists(p.ringtonesFolder + QStringLiteral("/odetojoy.txt")));
    const QByteArray ini = fileBytes(p.settingsFile);
    const QString mime = MimePackagePath(p.dataHome, QStringLiteral("GlyphsmithImageFile"));
    QFile::remove(mine);
    QFile::remove(mime);
    home.refreshed.clear();
    EXPECT_FALSE(RunFirstRunSetup(home.env, nullptr));
    EXPECT_FALSE(QFileInfo::exists(mine));
    EXPECT_FALSE(QFileInfo::exists(mime));
    EXPECT_EQ(fileBytes(p.settingsFile), ini);
    EXPECT_TRUE(home.refreshed.isEmpty());
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

FileTypeInfo firstRunRecord(const QString &extension, const QString &program) {
    FileTypeInfo info;
    info.verbs = {QStringLiteral("Open")};
    info.commandLines = {program};
    info.extension = extension;
    info.className = QStringLiteral("GlyphsmithImageFile");
    info.description = QStringLiteral("Glyphsmith Image File");
    info.contentType = QStringLiteral("SomeMIMEtype");
    return info;
}

class FileAssociationTest : public ::testing::Test {
protected:
    QString package() const {
        return QString::fromUtf8(
            fileBytes(MimePackagePath(data, QStringLiteral("GlyphsmithImageFile"))));
    }
    QString entry() const {
        return QString::fromUtf8(
            fileBytes(DesktopEntryPath(data, QStringLiteral("GlyphsmithImageFile"))));
    }
    QTemporaryDir dir;
    QString data = dir.path() + QStringLiteral("/share");
};

TEST_F(FileAssociationTest, BothCasesOfFiveExtensionsShareOneClassAMissingDotAdded) {
    ASSERT_TRUE(
        RegisterFileType(firstRunRecord(QStringLiteral("NOL"), QStringLiteral("/opt/g")), data));
    EXPECT_TRUE(package().contains(QStringLiteral("pattern=\"*.NOL\"")));
    EXPECT_TRUE(package().contains(QStringLiteral("pattern=\"*.nol\"")));
    EXPECT_FALSE(package().contains(QStringLiteral("*NOL")));
    for (const char *ext : {".NGG", ".NLM", ".NSL", ".GSP"}) {
        RegisterFileType(firstRunRecord(QString::fromLatin1(ext), QStringLiteral("/opt/g")), data);
    }
    const QString xml = package();
    EXPECT_EQ(xml.count(QStringLiteral("<glob ")), 10);
    EXPECT_EQ(xml.count(QStringLiteral("<mime-type ")), 1);
    EXPECT_TRUE(xml.contains(QStringLiteral("type=\"application/x-glyphsmithimagefile\"")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<comment>Glyphsmith Image File</comment>")));
    // registering again adds nothing
    RegisterFileType(firstRunRecord(QStringLiteral(".nol"), QStringLiteral("/opt/g")), data);
    EXPECT_EQ(package().count(QStringLiteral("<glob ")), 10);
}

TEST_F(FileAssociationTest, IconMediaTypeQuotedCommandAndFurtherVerbs) {
    RegisterFileType(firstRunRecord(QStringLiteral(".NOL"), QStringLiteral("/opt/g")), data);
    EXPECT_FALSE(entry().contains(QStringLiteral("Icon=")));
    EXPECT_FALSE(package().contains(QStringLiteral("alias")));  // "SomeMIMEtype" is no media type
    EXPECT_TRUE(entry().contains(QStringLiteral("MimeType=application/x-glyphsmithimagefile;")));
    EXPECT_TRUE(entry().contains(QStringLiteral("\nExec=/opt/g %f\n")));
    FileTypeInfo info = firstRunRecord(QStringLiteral(".NOL"), QStringLiteral("/opt/my apps/g"));
    info.iconPath = QStringLiteral("/opt/g.png");
    info.iconIndex = 1;
    info.contentType = QStringLiteral("image/x-nol");
    info.verbs << QStringLiteral("Print");
    info.commandLines << QStringLiteral("/opt/gprint");
    RegisterFileType(info, data);
    EXPECT_TRUE(entry().contains(QStringLiteral("\nIcon=/opt/g.png\n")));
    EXPECT_TRUE(package().contains(QStringLiteral("<alias type=\"image/x-nol\"/>")));
    EXPECT_TRUE(entry().contains(QStringLiteral("\nExec=\"/opt/my apps/g\" %f\n")));
    EXPECT_TRUE(entry().contains(QStringLiteral("Actions=verb1;")));
    EXPECT_TRUE(entry().contains(
        QStringLiteral("[Desktop Action verb1]\nName=Print\nExec=/opt/gprint %f\n")));
}

TEST_F(FileAssociationTest, WrittenFilesAreAcceptedByTheDesktopTools) {
    const QString updateMime =
        QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    const QString validate =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (updateMime.isEmpty() || validate.isEmpty()) {
        GTEST_SKIP() << "shared-mime-info or desktop-file-utils not installed";
    }
    for (const char *ext : {".NOL", ".GSP"}) {
        RegisterFileType(firstRunRecord(QString::fromLatin1(ext), QStringLiteral("/opt/my g")),
                         data);
    }
    RefreshFileAssociationDatabases(data);
    const QString globs = QString::fromUtf8(fileBytes(data + QStringLiteral("/mime/globs2")));
    EXPECT_TRUE(globs.contains(QStringLiteral("application/x-glyphsmithimagefile:*.gsp")));
    QProcess p;
    p.start(validate, {DesktopEntryPath(data, QStringLiteral("GlyphsmithImageFile"))});
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardOutput().toStdString();
}

TEST_F(FileAssociationTest, UnwritableDataFolderReportsFailure) {
    QFile blocker(data);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    EXPECT_FALSE(
        RegisterFileType(firstRunRecord(QStringLiteral(".NOL"), QStringLiteral("/g")), data));
}

}  // namespace
