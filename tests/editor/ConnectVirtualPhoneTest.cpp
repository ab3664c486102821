// The main window's connection on the engine's built-in virtual phone.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "MainWindowTest.h"
#include "document/LogoKind.h"
#include "velkor17/FBSms.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;
using glyphsmith::test::MainWindowTest;

namespace {

class VirtualPhoneTest : public MainWindowTest {
protected:
    void SetUp() override {
        home.env.portOverride = QStringLiteral("VIRTUAL");
        home.writeSettings({QStringLiteral("DefaultLogo=Startup Logo")});
    }
};

TEST_F(VirtualPhoneTest, StartUpShowsThePhoneGatesTransfersAndReadsTheCentre) {
    FrmMain &w = start();
    VelkorControl *velk = w.ui().Velk;
    ASSERT_EQ(w.ui().txtStat1->text(), QStringLiteral("Ready"));
    EXPECT_EQ(w.ui().picStat5->property("iconId").toInt(), 102);
    EXPECT_EQ(w.ui().txtStat3->text(), velk->ProviderName().toString() + QStringLiteral(" (") +
                                           velk->ProviderCountry() + QStringLiteral(")"));
    EXPECT_EQ(w.ui().txtStat2->text(), velk->PhoneModelName());
    EXPECT_FALSE(w.ui().txtStat2->text().trimmed().isEmpty());
    const QString caps = velk->PhoneCapabilities();
    EXPECT_EQ(w.document().kind(), kStartupLogo);
    EXPECT_EQ(w.ui().cmdUpload->isEnabled(), caps.contains(QLatin1Char('S')));
    w.optPicture_Click();
    EXPECT_EQ(w.ui().cmdDownload->isEnabled(), caps.contains(QLatin1Char('P')));
    EXPECT_FALSE(w.sharedValues().sSMSC.isEmpty());
    EXPECT_EQ(w.sharedValues().sSMSC, velk->SMS()->SMSMessageCenter());
    EXPECT_TRUE(home.messages->shown.empty());
}

}  // namespace
