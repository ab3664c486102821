// The end-to-end path: the control and its child objects against the real
// engine and its virtual phone, as the editor uses them. Each behaviour is
// checked closer to its code (the engine's own tests, the library against
// the recording fake); here only that the layers fit together.
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
#include "velkor17/FBLogo.h"
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
        logo = control->Logo();
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
    FBLogo *logo = nullptr;
};

// A pattern that tells rows, columns and kinds apart.
bool patternSet(int x, int y, int salt) {
    return (x * 3 + y * 5 + salt) % 7 < 3;
}

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

TEST_F(OnVirtualPhone, EachKindOfLogoGoesUpAndComesBack) {
    const struct {
        fbLogoType type;
        qint16 location;  // -1 for none
        int width, height;
    } kinds[] = {{fbOperatorLogo, -1, 72, 14},
                 {fbCallerLogo, 2, 72, 14},
                 {fbPictureMessage, 7, 72, 28},
                 {fbStartupLogo, -1, 84, 48}};
    int salt = 0;
    for (const auto &k : kinds) {
        SCOPED_TRACE(int(k.type));
        ++salt;
        logo->setLogoType(k.type);
        logo->setNetCode(QStringLiteral("244 05"));
        ASSERT_EQ(logo->Width(), k.width);
        ASSERT_EQ(logo->Height(), k.height);
        if (k.location >= 0) {
            logo->setCallerGroupNumber(k.location);
        }
        if (k.type == fbPictureMessage) {
            logo->setMessageUnicode(true);
            logo->setMessageText(QStringLiteral("Ωmega %1").arg(salt));
        }
        for (qint16 y = 0; y < k.height; ++y) {
            for (qint16 x = 0; x < k.width; ++x) {
                logo->setPixel(x, y, patternSet(x, y, salt) ? 0 : 1);
            }
        }
        logo->Upload();
        ASSERT_EQ(logo->LastError(), 0);

        logo->setMessageText(QString());
        logo->setLogoType(fbNoLogo);
        logo->Download(k.type, k.location);
        ASSERT_EQ(logo->LastError(), 0);
        EXPECT_EQ(logo->LogoType(), k.type);
        int misses = 0;
        for (qint16 y = 0; y < k.height; ++y) {
            for (qint16 x = 0; x < k.width; ++x) {
                misses += (logo->Pixel(x, y) != 1) != patternSet(x, y, salt);
            }
        }
        EXPECT_EQ(misses, 0);
        if (k.type == fbOperatorLogo) {
            EXPECT_EQ(logo->NetCode(), QStringLiteral("244 05"));
        }
        if (k.type == fbPictureMessage) {
            EXPECT_EQ(logo->MessageText(), QStringLiteral("Ωmega %1").arg(salt));
        }
    }
}

TEST_F(OnVirtualPhone, AMessageToSelfArrivesWithItsEventsAndIsReadFromTheInbox) {
    const QString own = control->PhoneBook(1, fbOwnNumberMemory)->Number();
    ASSERT_FALSE(own.isEmpty());
    QSignalSpy arrived(control.get(), &VelkorControl::IncomingSMS);
    QSignalSpy acknowledged(control.get(), &VelkorControl::SMSSendAck);
    FBSms *sms = control->SMS();
    FBSmsBox *inbox = sms->Inbox();
    const qint16 before = inbox->Count();

    ASSERT_TRUE(sms->SendUnicode(own, QStringLiteral("Ωmega €")));
    ASSERT_TRUE(pollUntil([&] { return arrived.count() > 0 && acknowledged.count() > 0; }));
    EXPECT_EQ(arrived.at(0).at(0).value<qint32>(), 1);
    EXPECT_TRUE(acknowledged.at(0).at(0).toBool());
    sms->Refresh();
    ASSERT_EQ(inbox->Count(), before + 1);
    FBSmsMessage *m = inbox->Item(qint16(before + 1));
    EXPECT_EQ(m->Text(), QStringLiteral("Ωmega €"));
    EXPECT_EQ(m->Encoding(), fbSmsMessageUnicode);
    EXPECT_EQ(m->Sender(), own);
    m->Delete();
    EXPECT_EQ(m->LastError(), 0);
    EXPECT_EQ(inbox->Count(), before);
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
