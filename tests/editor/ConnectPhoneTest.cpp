// The main window with no phone answering: start-up, the reconnect guard and
// the restart leave it disconnected without a message.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "MainWindowTest.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;
using glyphsmith::test::MainWindowTest;

namespace {

TEST_F(MainWindowTest, StartUpGuardAndRestartGoOnWhenTheLinkStaysDown) {
    home.writeSettings({});
    FrmMain &w = start();
    EXPECT_EQ(w.ui().txtStat1->text(), QStringLiteral("Disconnected"));
    EXPECT_EQ(w.ui().picStat5->property("iconId").toInt(), 101);
    EXPECT_FALSE(w.ui().cmdUpload->isEnabled());
    // what the kind choice or an earlier connect left is undone by the guard
    w.ui().cmdDownload->setEnabled(true);
    w.ui().txtStat2->setText(QStringLiteral("old model"));
    w.ui().optStartup->setEnabled(false);
    w.ui().cmdRingtones->setEnabled(false);
    w.EnsureConnected();
    EXPECT_EQ(w.ui().txtStat1->text(), QStringLiteral("Disconnected"));
    EXPECT_FALSE(w.ui().cmdDownload->isEnabled());
    EXPECT_TRUE(w.ui().txtStat2->text().isEmpty());
    EXPECT_TRUE(w.ui().optStartup->isEnabled());
    EXPECT_TRUE(w.ui().cmdRingtones->isEnabled());
    w.ui().cmdReset->click();  // the restart fails in the control; nothing is reported
    w.ui().mnuRestart->trigger();
    EXPECT_EQ(w.ui().txtStat1->text(), QStringLiteral("Disconnected"));
    EXPECT_TRUE(home.messages->shown.empty());
    EXPECT_FALSE(w.ui().Velk->IsAlive());
}

}  // namespace
