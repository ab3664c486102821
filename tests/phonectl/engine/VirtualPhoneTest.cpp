// The control against the real engine and its virtual phone, as the editor
// uses it: connect, the status-bar texts, beep, events, disconnect.
#include <QSignalSpy>
#include <QTimer>
#include <memory>

#include "EngineBinding.h"
#include "EngineBuffer.h"
#include "VirtualPhoneSupport.h"
#include "velkor17/VelkorControl.h"
#include "velkor17/VelkorError.h"

using velkor17::engine;
using velkor17::VelkorError;

namespace {

class VirtualPhone : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(enginetest::kStateFolderReady);
        control = std::make_unique<VelkorControl>();
        control->setRaiseError(false);
        if (!control->Connect(QStringLiteral("VIRTUAL"))) {
            GTEST_SKIP() << "the engine's virtual phone does not answer init(\"VIRTUAL\", 0) yet";
        }
        control->setRaiseError(true);
    }

    void pollOnce() {
        QTimer *timer = control->findChild<QTimer *>(QStringLiteral("Timer1"));
        ASSERT_NE(timer, nullptr);
        QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
    }

    // Runs polling ticks until done() holds, for at most ten seconds.
    bool pollUntil(const std::function<bool()> &done) {
        return enginetest::waitFor(done, [this] { pollOnce(); });
    }

    // The phone's own number, from its own-number memory.
    QString ownNumber() {
        control->IsAlive();  // selects this control's link
        velkor17::EngineBuffer name(256);
        velkor17::EngineBuffer number(256);
        int32_t group = 0;
        engine().getphonebookentry(1, 3, name.data(), name.size(), number.data(), number.size(),
                                   &group);
        return number.text();
    }

    std::unique_ptr<VelkorControl> control;
};

TEST_F(VirtualPhone, ConnectsAndGivesTheStatusBarTexts) {
    EXPECT_TRUE(control->Connected());
    EXPECT_TRUE(control->IsAlive());
    // txtStat2 and txtStat3 of the editor's status bar.
    const QString model = control->PhoneModelName();
    const QString provider = control->ProviderName().toString() + QStringLiteral(" (") +
                             control->ProviderCountry() + QStringLiteral(")");
    EXPECT_FALSE(model.trimmed().isEmpty());
    EXPECT_TRUE(model.contains(QLatin1Char(' '))) << model.toStdString();
    EXPECT_FALSE(control->ProviderName().toString().isEmpty());
    EXPECT_FALSE(control->ProviderCountry().isEmpty()) << provider.toStdString();
    EXPECT_FALSE(control->IMEI().isEmpty());
    EXPECT_FALSE(control->PhoneModelCode().isEmpty());
    EXPECT_FALSE(control->PhoneSoftwareRev().isEmpty());
    EXPECT_FALSE(control->PhoneHardwareRev().isEmpty());
    EXPECT_TRUE(control->PhoneCapabilities().contains(QLatin1Char('O')));
}

TEST_F(VirtualPhone, EachControlHasItsOwnLinkAndTakesTheProtocolLetter) {
    VelkorControl other;
    EXPECT_FALSE(other.IsAlive());
    EXPECT_TRUE(control->IsAlive());
    EXPECT_TRUE(other.Connect(QStringLiteral("VIRTUALF")));
    EXPECT_TRUE(other.IsAlive());
}

TEST_F(VirtualPhone, BeepsAndDisconnects) {
    EXPECT_NO_THROW(control->Beep());
    control->Disconnect();
    EXPECT_FALSE(control->Connected());
    EXPECT_FALSE(control->IsAlive());
    try {
        control->HangUp();
        ADD_FAILURE() << "HangUp after Disconnect raised nothing";
    } catch (const VelkorError &e) {
        EXPECT_EQ(e.number(), velkor17::ErrorNumber::NotConnected);
    }
}

TEST_F(VirtualPhone, RaisesIncomingCallWithTheCallersNumber) {
    QSignalSpy spy(control.get(), &VelkorControl::IncomingCall);
    control->IsAlive();  // selects this control's link
    auto ring = reinterpret_cast<decltype(&::phoneeng_virtual_incoming_call)>(
        engine().extraSymbol("phoneeng_virtual_incoming_call"));
    ASSERT_EQ(ring("+35840111222", "Alice"), 0);
    ASSERT_TRUE(pollUntil([&] { return spy.count() > 0; }));
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("+35840111222"));
    EXPECT_TRUE(control->IncomingCallInProgress());
    EXPECT_EQ(control->CurrentCallName(), QStringLiteral("Alice"));

    control->HangUp();
    EXPECT_TRUE(pollUntil([&] { return !control->IncomingCallInProgress(); }));
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(VirtualPhone, MessageToSelfArrivesAndIsAcknowledged) {
    const QString own = ownNumber();
    ASSERT_FALSE(own.isEmpty());
    QSignalSpy arrived(control.get(), &VelkorControl::IncomingSMS);
    QSignalSpy acknowledged(control.get(), &VelkorControl::SMSSendAck);
    ASSERT_TRUE(control->SendSMSMessage(own, QStringLiteral("Note to self")));
    ASSERT_TRUE(pollUntil([&] { return arrived.count() > 0 && acknowledged.count() > 0; }));
    EXPECT_EQ(arrived.at(0).at(0).value<qint32>(), 1);
    EXPECT_TRUE(acknowledged.at(0).at(0).toBool());

    bool found = false;
    for (qint16 n = 1; n < 1000 && !found; ++n) {
        const QString text = control->GetSMSMessage(n);
        if (text.isEmpty()) {
            break;
        }
        found = text == QStringLiteral("Note to self");
    }
    EXPECT_TRUE(found);
}

}  // namespace
