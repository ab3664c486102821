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
    return w.ui().picStat5->property("iconId").toInt();
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
    w.ui().cmdUpload->setEnabled(true);
    w.ui().cmdDownload->setEnabled(true);
    w.ui().txtStat2->setText(QStringLiteral("old model"));
    w.ui().txtStat3->setText(QStringLiteral("old net"));
    for (QAbstractButton *b : {static_cast<QAbstractButton *>(w.ui().optOperator),
                               static_cast<QAbstractButton *>(w.ui().optStartup),
                               static_cast<QAbstractButton *>(w.ui().cmdRingtones)}) {
        b->setEnabled(false);
    }
    w.ConnectPhone();
    EXPECT_EQ(w.ui().txtStat1->text(), QStringLiteral("Disconnected"));
    EXPECT_TRUE(w.ui().txtStat2->text().isEmpty());
    EXPECT_TRUE(w.ui().txtStat3->text().isEmpty());
    EXPECT_FALSE(w.ui().cmdUpload->isEnabled());
    EXPECT_FALSE(w.ui().cmdDownload->isEnabled());
    EXPECT_TRUE(w.ui().optOperator->isEnabled());
    EXPECT_TRUE(w.ui().optStartup->isEnabled());
    EXPECT_TRUE(w.ui().cmdRingtones->isEnabled());
    EXPECT_EQ(iconOf(w), 101);
    EXPECT_TRUE(home.messages->shown.empty());
    EXPECT_FALSE(w.ui().Velk->IsAlive());
}

TEST_F(MainWindowTest, StartUpGuardAndRestartGoOnWhenTheLinkStaysDown) {
    home.writeSettings({});
    FrmMain &w = start();
    EXPECT_EQ(w.ui().txtStat1->text(), QStringLiteral("Disconnected"));
    EXPECT_EQ(iconOf(w), 101);
    EXPECT_FALSE(w.ui().cmdUpload->isEnabled());
    EXPECT_TRUE(w.ui().optPicture->isEnabled());
    w.ui().txtStat1->setText(QStringLiteral("something"));
    w.EnsureConnected();
    EXPECT_EQ(w.ui().txtStat1->text(), QStringLiteral("Disconnected"));
    w.ui().txtStat1->setText(QStringLiteral("something"));
    w.ui().cmdReset->click();  // the restart fails in the control; nothing is reported
    EXPECT_EQ(w.ui().txtStat1->text(), QStringLiteral("Disconnected"));
    w.ui().mnuRestart->trigger();
    EXPECT_TRUE(home.messages->shown.empty());
}

}  // namespace
