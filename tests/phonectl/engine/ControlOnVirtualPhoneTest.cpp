// The control against the real engine and its virtual phone: the link and
// the polling events, which the recording fake cannot show fitting together.
// Logo transfers through the same layers are the command line's end-to-end
// test (tests/cli/PhoneTest.cpp); each behaviour itself is checked closer
// to its code.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

#include "EngineBinding.h"
#include "TestHome.h"
#include "VelkorErrorCatcher.h"
#include "velkor17/FBPhonebookEntry.h"
#include "velkor17/FBSms.h"
#include "velkor17/FBSmsBox.h"
#include "velkor17/FBSmsMessage.h"
#include "velkor17/VelkorControl.h"

namespace {

// The engine stays loaded for the whole program: one home for all tests.
const bool kHomeReady = (unsetenv("PHONEENG_LIBRARY"), programHome());

class OnVirtualPhone : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(kHomeReady);
        control = std::make_unique<VelkorControl>();
        control->setRaiseError(false);
        ASSERT_TRUE(control->Connect(QStringLiteral("VIRTUAL")));
        control->findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
        control->findChild<QTimer *>(QStringLiteral("Timer2"))->stop();
    }

    // Runs polling ticks and the event loop until done() holds, at most ten seconds.
    bool pollUntil(const std::function<bool()> &done) {
        QTimer *timer = control->findChild<QTimer *>(QStringLiteral("Timer1"));
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < end) {
            QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
            if (done()) {
                return true;
            }
            QTest::qWait(20);
        }
        return false;
    }

    std::unique_ptr<VelkorControl> control;
};

TEST_F(OnVirtualPhone, ConnectsWithItsOwnLinkAndTheStatusTexts) {
    EXPECT_TRUE(control->IsAlive());
    EXPECT_TRUE(control->PhoneModelName().contains(QLatin1Char(' ')));
    EXPECT_FALSE(control->ProviderName().toString().isEmpty());
    EXPECT_FALSE(control->ProviderCountry().isEmpty());
    EXPECT_TRUE(control->PhoneCapabilities().contains(QLatin1Char('O')));
    VelkorControl other;
    EXPECT_FALSE(other.IsAlive());
    EXPECT_TRUE(other.Connect(QStringLiteral("VIRTUALF")));
    EXPECT_TRUE(control->IsAlive());

    control->setRaiseError(true);
    control->Disconnect();
    EXPECT_FALSE(control->IsAlive());
    EXPECT_EQ(errorOf([&] { control->HangUp(); }), velkor17::ErrorNumber::NotConnected);
}

TEST_F(OnVirtualPhone, AMessageToSelfRaisesItsEventsAndIsReadFromTheInbox) {
    const QString own = control->PhoneBook(1, fbOwnNumberMemory)->Number();
    QSignalSpy arrived(control.get(), &VelkorControl::IncomingSMS);
    QSignalSpy acknowledged(control.get(), &VelkorControl::SMSSendAck);
    FBSmsBox *inbox = control->SMS()->Inbox();
    const qint16 before = inbox->Count();
    ASSERT_TRUE(control->SMS()->SendUnicode(own, QStringLiteral("Ωmega €")));
    ASSERT_TRUE(pollUntil([&] { return arrived.count() > 0 && acknowledged.count() > 0; }));
    EXPECT_EQ(arrived.at(0).at(0).value<qint32>(), 1);
    EXPECT_TRUE(acknowledged.at(0).at(0).toBool());
    control->SMS()->Refresh();
    ASSERT_EQ(inbox->Count(), before + 1);
    EXPECT_EQ(inbox->Item(qint16(before + 1))->Text(), QStringLiteral("Ωmega €"));
}

TEST_F(OnVirtualPhone, AnIncomingCallIsRaisedWithTheCallersNumber) {
    QSignalSpy spy(control.get(), &VelkorControl::IncomingCall);
    control->IsAlive();  // selects this control's link
    auto ring = reinterpret_cast<decltype(&::phoneeng_virtual_incoming_call)>(
        velkor17::engine().extraSymbol("phoneeng_virtual_incoming_call"));
    ASSERT_EQ(ring("+35840111222", "Alice"), 0);
    ASSERT_TRUE(pollUntil([&] { return spy.count() > 0; }));
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("+35840111222"));
    EXPECT_EQ(control->CurrentCallName(), QStringLiteral("Alice"));
    control->HangUp();
    EXPECT_TRUE(pollUntil([&] { return !control->IncomingCallInProgress(); }));
    EXPECT_EQ(spy.count(), 1);
}

}  // namespace
