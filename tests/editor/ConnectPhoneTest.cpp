#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "MainWindowTest.h"
#include "shell/Settings.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;
using glyphsmith::test::MainWindowTest;

namespace {

int iconOf(FrmMain &w) {
    return w.picStat5->property("iconId").toInt();
}

TEST_F(MainWindowTest, PortComesFromTheSettingsAtEveryConnectUnlessThisRunGivesOne) {
    home.env.portOverride.clear();
    FrmMain &w = window();
    EXPECT_EQ(w.ConnectPort(), QStringLiteral("COM1"));  // no settings file
    home.writeSettings({QStringLiteral("RunBefore=1")});
    EXPECT_EQ(w.ConnectPort(), QStringLiteral("COM1"));  // no "ComPort" key
    home.writeSettings({QStringLiteral("ComPort=COM3")});
    EXPECT_EQ(w.ConnectPort(), QStringLiteral("COM3"));
    // the port of this run overrides the setting without changing it
    home.env.portOverride = QStringLiteral("VIRTUAL");
    window_.reset();
    EXPECT_EQ(window().ConnectPort(), QStringLiteral("VIRTUAL"));
    EXPECT_EQ(ReadSetting(home.env.paths.settingsFile, QStringLiteral("RunStatus"),
                          QStringLiteral("ComPort"), QString()),
              QStringLiteral("COM3"));
}

TEST_F(MainWindowTest, PortThatDoesNotExistLeavesTheEditorDisconnected) {
    home.writeSettings({});
    FrmMain &w = window();
    w.cmdUpload->setEnabled(true);
    w.cmdDownload->setEnabled(true);
    w.txtStat2->setText(QStringLiteral("old model"));
    w.txtStat3->setText(QStringLiteral("old net"));
    for (QAbstractButton *b : {static_cast<QAbstractButton *>(w.optOperator),
                               static_cast<QAbstractButton *>(w.optStartup),
                               static_cast<QAbstractButton *>(w.cmdRingtones)}) {
        b->setEnabled(false);
    }
    w.ConnectPhone();
    EXPECT_EQ(w.txtStat1->text(), QStringLiteral("Disconnected"));
    EXPECT_TRUE(w.txtStat2->text().isEmpty());
    EXPECT_TRUE(w.txtStat3->text().isEmpty());
    EXPECT_FALSE(w.cmdUpload->isEnabled());
    EXPECT_FALSE(w.cmdDownload->isEnabled());
    EXPECT_TRUE(w.optOperator->isEnabled());
    EXPECT_TRUE(w.optStartup->isEnabled());
    EXPECT_TRUE(w.cmdRingtones->isEnabled());
    EXPECT_EQ(iconOf(w), 101);
    EXPECT_TRUE(home.messages->shown.empty());
    EXPECT_FALSE(w.Velk->IsAlive());
}

TEST_F(MainWindowTest, StartUpGuardAndRestartGoOnWhenTheLinkStaysDown) {
    home.writeSettings({});
    FrmMain &w = start();
    EXPECT_EQ(w.txtStat1->text(), QStringLiteral("Disconnected"));
    EXPECT_EQ(iconOf(w), 101);
    EXPECT_FALSE(w.cmdUpload->isEnabled());
    EXPECT_TRUE(w.optPicture->isEnabled());
    w.txtStat1->setText(QStringLiteral("something"));
    w.EnsureConnected();
    EXPECT_EQ(w.txtStat1->text(), QStringLiteral("Disconnected"));
    w.txtStat1->setText(QStringLiteral("something"));
    w.cmdReset->click();  // the restart fails in the control; nothing is reported
    EXPECT_EQ(w.txtStat1->text(), QStringLiteral("Disconnected"));
    w.mnuRestart->trigger();
    EXPECT_TRUE(home.messages->shown.empty());
}

}  // namespace
