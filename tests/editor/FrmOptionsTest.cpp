#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "EditorTestSupport.h"
#include "shell/FrmMain.h"
#include "shell/FrmOptions.h"
#include "shell/Settings.h"

using namespace glyphsmith;
using glyphsmith::test::EditorHome;
using glyphsmith::test::FixedPorts;

namespace {

class FrmOptionsTest : public ::testing::Test {
protected:
    QString setting(const char *key) {
        return ReadSetting(home.env.paths.settingsFile, QStringLiteral("RunStatus"),
                           QString::fromLatin1(key), QStringLiteral("<missing>"));
    }
    QStringList items(QComboBox *box) {
        QStringList list;
        for (int i = 0; i < box->count(); ++i) {
            list << box->itemText(i);
        }
        return list;
    }

    EditorHome home;
    FixedPorts ports{{QStringLiteral("COM1"), QStringLiteral("COM2")}};
};

TEST_F(FrmOptionsTest, PortListHasTheSettingFirstThenEveryFreePortThenTheVirtualPhone) {
    home.writeSettings(
        {QStringLiteral("ComPort=COM2"), QStringLiteral("DefaultLogo=Startup Logo")});
    FrmOptions dialog(home.env.paths.settingsFile, &ports);
    auto *port = dialog.findChild<QComboBox *>(QStringLiteral("cmbPort"));
    auto *screens = dialog.findChild<QComboBox *>(QStringLiteral("cmbLogoScreens"));
    ASSERT_TRUE(port && screens);
    EXPECT_EQ(items(port), (QStringList{"COM2", "COM1", "COM2", "VIRTUAL"}));
    EXPECT_EQ(port->currentText(), QStringLiteral("COM2"));
    EXPECT_TRUE(port->isEditable());
    EXPECT_EQ(items(screens), (QStringList{"Operator Logo", "CallerGroup Logo",
                                           "PictureMessage Logo", "Startup Logo"}));
    EXPECT_EQ(screens->currentText(), QStringLiteral("Startup Logo"));
    EXPECT_TRUE(screens->isEditable());
    EXPECT_EQ(ports.calls, 1);
}

TEST_F(FrmOptionsTest, OkWritesOnlyNonEmptyTextsAndStoresTheChoices) {
    home.writeSettings(
        {QStringLiteral("ComPort=COM2"), QStringLiteral("DefaultLogo=Operator Logo")});
    FrmOptions dialog(home.env.paths.settingsFile, &ports);
    dialog.findChild<QComboBox *>(QStringLiteral("cmbPort"))->setEditText(QString());
    dialog.findChild<QComboBox *>(QStringLiteral("cmbLogoScreens"))
        ->setEditText(QStringLiteral("startup"));
    dialog.findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(setting("ComPort"), QStringLiteral("COM2"));
    EXPECT_EQ(setting("DefaultLogo"), QStringLiteral("startup"));
    // a chosen port and default screen are stored
    FrmOptions again(home.env.paths.settingsFile, &ports);
    again.findChild<QComboBox *>(QStringLiteral("cmbPort"))->setCurrentIndex(3);
    again.findChild<QComboBox *>(QStringLiteral("cmbLogoScreens"))->setCurrentIndex(3);
    again.cmdOK_Click();
    EXPECT_EQ(setting("ComPort"), QStringLiteral("VIRTUAL"));
    EXPECT_EQ(setting("DefaultLogo"), QStringLiteral("Startup Logo"));
}

TEST_F(FrmOptionsTest, CancelWritesNothing) {
    FrmOptions dialog(home.env.paths.settingsFile, &ports);
    dialog.findChild<QComboBox *>(QStringLiteral("cmbPort"))->setEditText(QStringLiteral("COM4"));
    dialog.findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(QFileInfo::exists(home.env.paths.settingsFile));
    // with no settings: an empty port and the operator logo
    auto *screens = dialog.findChild<QComboBox *>(QStringLiteral("cmbLogoScreens"));
    EXPECT_EQ(screens->currentText(), QStringLiteral("Operator Logo"));
}

}  // namespace

TEST_F(FrmOptionsTest, TestConnectionShowsTheReportForThePortInTheBox) {
    QString tried;
    FrmOptions dialog(home.env.paths.settingsFile, &ports, nullptr, [&](const QString &port) {
        tried = port;
        return QStringLiteral("[FAILED] no answer");
    });
    dialog.findChild<QComboBox *>(QStringLiteral("cmbPort"))->setEditText(QStringLiteral("COM2"));
    dialog.findChild<QPushButton *>(QStringLiteral("cmdTestConnection"))->click();
    EXPECT_EQ(tried, QStringLiteral("COM2"));
    auto *report = dialog.findChild<QPlainTextEdit *>(QStringLiteral("txtTestReport"));
    ASSERT_TRUE(report);
    EXPECT_EQ(report->toPlainText(), QStringLiteral("[FAILED] no answer"));
    EXPECT_EQ(setting("ComPort"), QStringLiteral("<missing>"));  // testing saves nothing
}
