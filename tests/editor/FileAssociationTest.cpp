#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "shell/FileAssociation.h"

using namespace glyphsmith;

namespace {

QString readText(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
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
        return readText(MimePackagePath(data, QStringLiteral("GlyphsmithImageFile")));
    }
    QString entry() const {
        return readText(DesktopEntryPath(data, QStringLiteral("GlyphsmithImageFile")));
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
    const QString globs = readText(data + QStringLiteral("/mime/globs2"));
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
