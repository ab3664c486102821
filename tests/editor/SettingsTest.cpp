#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "FileTestSupport.h"
#include "shell/Settings.h"

using namespace glyphsmith;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    QString read(const QString &key, const QString &def = QStringLiteral("<none>")) {
        return ReadSetting(file, QStringLiteral("RunStatus"), key, def);
    }
    QByteArray contents() { return test::fileBytes(file); }
    void writeRaw(const QByteArray &bytes) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        ASSERT_TRUE(test::writeBytes(file, bytes));
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

}  // namespace
