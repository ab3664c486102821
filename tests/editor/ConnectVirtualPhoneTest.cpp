// The connection on the engine's built-in virtual phone.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "MainWindowTest.h"
#include "canvas/LogoKind.h"
#include "velkor17/FBSms.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;
using glyphsmith::test::MainWindowTest;

namespace {

class VirtualPhoneTest : public MainWindowTest {
protected:
    void SetUp() override {
        home.env.portOverride = QStringLiteral("VIRTUAL");
        home.writeSettings({QStringLiteral("ComPort=COM1")});
    }
};

TEST_F(VirtualPhoneTest, ConnectShowsReadyProviderAndModel) {
    FrmMain &w = window();
    w.ConnectPhone();
    EXPECT_EQ(w.txtStat1->text(), QStringLiteral("Ready"));
    EXPECT_EQ(w.picStat5->property("iconId").toInt(), 102);
    EXPECT_TRUE(w.cmdUpload->isEnabled());
    EXPECT_TRUE(w.cmdDownload->isEnabled());
    EXPECT_TRUE(w.Velk->IsAlive());
    const QString provider = w.Velk->ProviderName().toString();
    const QString country = w.Velk->ProviderCountry();
    EXPECT_FALSE(provider.isEmpty());
    EXPECT_EQ(w.txtStat3->text(), provider + QStringLiteral(" (") + country + QStringLiteral(")"));
    EXPECT_EQ(w.txtStat2->text(), w.Velk->PhoneModelName());
    EXPECT_FALSE(w.txtStat2->text().trimmed().isEmpty());
    EXPECT_TRUE(home.messages->shown.empty());
}

TEST_F(VirtualPhoneTest, StartUpGatesTransfersOnThePhonesOwnCapabilitiesAndReadsTheCentre) {
    home.writeSettings({QStringLiteral("DefaultLogo=Startup Logo")});
    FrmMain &w = start();
    ASSERT_EQ(w.txtStat1->text(), QStringLiteral("Ready"));
    const QString caps = w.Velk->PhoneCapabilities();
    EXPECT_EQ(w.document().iLogoKind, kStartupLogo);
    EXPECT_EQ(w.cmdUpload->isEnabled(), caps.contains(QLatin1Char('S')));
    w.optPicture_Click();
    EXPECT_EQ(w.cmdDownload->isEnabled(), caps.contains(QLatin1Char('P')));
    // start-up reads the message centre
    EXPECT_FALSE(w.sharedValues().sSMSC.isEmpty());
    EXPECT_EQ(w.sharedValues().sSMSC, w.Velk->SMS()->SMSMessageCenter());
}

TEST_F(VirtualPhoneTest, GuardLeavesALiveLinkAloneAndRestartIsQuiet) {
    FrmMain &w = window();
    w.ConnectPhone();
    ASSERT_EQ(w.txtStat1->text(), QStringLiteral("Ready"));
    w.txtStat1->setText(QStringLiteral("busy"));
    w.EnsureConnected();
    EXPECT_EQ(w.txtStat1->text(), QStringLiteral("busy"));  // no new connect
    w.cmdReset_Click();
    EXPECT_TRUE(home.messages->shown.empty());
}

}  // namespace
