// The phone link without a main window: the port, connecting with and
// without a phone, the capability gate and the reconnect guard.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include "EditorTestSupport.h"
#include "document/LogoDocument.h"
#include "phone/PhoneSession.h"
#include "shell/Settings.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;
using glyphsmith::test::EditorHome;

namespace {

class PhoneSessionTest : public ::testing::Test {
protected:
    // Every announcement in order, as "signal:value".
    QStringList heard;
    void listen(PhoneSession &s) {
        QObject::connect(&s, &PhoneSession::connecting,
                         [this](bool on) { heard << "connecting:" + QString::number(on); });
        QObject::connect(&s, &PhoneSession::statusText,
                         [this](const QString &t) { heard << "status:" + t; });
        QObject::connect(&s, &PhoneSession::linkIcon,
                         [this](int id) { heard << "icon:" + QString::number(id); });
        QObject::connect(&s, &PhoneSession::transfersEnabled,
                         [this](bool on) { heard << "transfers:" + QString::number(on); });
        QObject::connect(&s, &PhoneSession::linkLost, [this] { heard << "lost"; });
        QObject::connect(&s, &PhoneSession::phoneNamed, [this](const QString &n, const QString &m) {
            heard << "named:" + QString::number(!n.isEmpty() && !m.isEmpty());
        });
    }
    EditorHome home;
    LogoDocument doc;
    VelkorControl control;
};

TEST_F(PhoneSessionTest, PortComesFromTheSettingsAtEveryConnectUnlessThisRunGivesOne) {
    home.env.portOverride.clear();
    PhoneSession session(control, home.env, doc);
    EXPECT_EQ(session.port(), "COM1");  // no settings file
    home.writeSettings({QStringLiteral("ComPort=COM3")});
    EXPECT_EQ(session.port(), "COM3");
    home.env.portOverride = QStringLiteral("VIRTUAL");
    EXPECT_EQ(session.port(), "VIRTUAL");
    EXPECT_EQ(ReadSetting(home.env.paths.settingsFile, "RunStatus", "ComPort", QString()), "COM3");
}

TEST_F(PhoneSessionTest, AFailedConnectClosesTransfersAndReopensTheKindChoice) {
    PhoneSession session(control, home.env, doc);
    listen(session);
    session.connectPhone();
    EXPECT_EQ(heard, (QStringList{"connecting:1", "icon:101", "status:Connecting...",
                                  "status:Disconnected", "lost", "transfers:0", "icon:101",
                                  "named:0", "connecting:0"}));
    EXPECT_FALSE(session.guard());
}

TEST_F(PhoneSessionTest, EveryConnectAppliesTheGateOfTheKindBeingEdited) {
    home.env.portOverride = QStringLiteral("VIRTUAL");
    home.env.phoneCapabilities = [] { return QStringLiteral("OS"); };
    PhoneSession session(control, home.env, doc);
    listen(session);
    session.connectPhone();
    for (const LogoKind kind : kAllLogoKinds) {
        doc.setKind(kind);
        heard.clear();
        control.Disconnect();
        ASSERT_TRUE(session.guard());
        const bool allowed = kind == kOperatorLogo || kind == kStartupLogo;
        EXPECT_EQ(session.transfersAllowed(kind), allowed);
        EXPECT_EQ(heard, (QStringList{"connecting:1", "icon:101", "status:Connecting...",
                                      "transfers:" + QString::number(allowed), "status:Ready",
                                      "icon:102", "named:1", "connecting:0"}));
    }
}

TEST_F(PhoneSessionTest, TheGuardLeavesALiveLinkAloneAndAConnectInsideAConnectIsSkipped) {
    home.env.portOverride = QStringLiteral("VIRTUAL");
    PhoneSession session(control, home.env, doc);
    int inner = 0;
    QObject::connect(&session, &PhoneSession::busy, [&](bool on) {
        if (on && inner++ == 0) {
            session.connectPhone();  // as when window messages start another command
        }
    });
    QSignalSpy connects(&session, &PhoneSession::connecting);
    session.connectPhone();
    EXPECT_EQ(connects.count(), 2);
    ASSERT_TRUE(control.IsAlive());
    session.ensureConnected();
    EXPECT_TRUE(session.guard());
    EXPECT_EQ(connects.count(), 2);
}

}  // namespace
