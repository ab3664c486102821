// The polling timer's events and the places where event handlers may run.
#include <QSignalSpy>
#include <QTimer>

#include "ControlTestSupport.h"

namespace {

class ControlEvents : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        connect();
    }
};

TEST_F(ControlEvents, IncomingCallIsRaisedOnceWithTheNumberAndRemembered) {
    QSignalSpy spy(control.get(), &VelkorControl::IncomingCall);
    fakeengine::byDefault("incoming").text(0, "D35840123");
    fakeengine::answer("incomingevent").result(1);
    pollOnce();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("+35840123"));
    EXPECT_TRUE(control->IncomingCallInProgress());

    pollOnce();  // the same call goes on: no new event
    EXPECT_EQ(spy.count(), 1);
    EXPECT_TRUE(control->IncomingCallInProgress());

    fakeengine::byDefault("incoming").text(0, "");  // the call ended
    pollOnce();
    EXPECT_FALSE(control->IncomingCallInProgress());
}

TEST_F(ControlEvents, IncomingSmsReportsNewMessagesAgainstTheBaseline) {
    QSignalSpy spy(control.get(), &VelkorControl::IncomingSMS);
    fakeengine::answer("smsreceivedcount").result(2);
    pollOnce();
    fakeengine::answer("smsreceivedcount").result(2);
    pollOnce();
    fakeengine::answer("smsreceivedcount").result(1);  // a smaller count keeps the baseline
    pollOnce();
    fakeengine::answer("smsreceivedcount").result(3);
    pollOnce();
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).value<qint32>(), 2);
    EXPECT_EQ(spy.at(1).at(0).value<qint32>(), 1);
}

TEST_F(ControlEvents, SendAcknowledgementCarriesTheFlagAndTheReference) {
    QSignalSpy spy(control.get(), &VelkorControl::SMSSendAck);
    fakeengine::answer("getsmssendack").result(1).out(0, 42).out(1, 1);
    pollOnce();
    fakeengine::answer("getsmssendack").result(1).out(0, 43).out(1, 0);
    pollOnce();
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toBool(), true);
    EXPECT_EQ(spy.at(0).at(1).value<qint32>(), 42);
    EXPECT_EQ(spy.at(1).at(0).toBool(), false);
    EXPECT_EQ(spy.at(1).at(1).value<qint32>(), 43);
}

TEST_F(ControlEvents, ReceivedLogoIsRaised) {
    QSignalSpy spy(control.get(), &VelkorControl::IncomingLogo);
    fakeengine::answer("bitmap_received").result(1);
    pollOnce();
    EXPECT_EQ(spy.count(), 1);
}

// A tick asks each question once, in this order, even when a handler
// selected another control's link in between.
TEST_F(ControlEvents, HandlerThatUsesAnotherControlDoesNotRedirectTheRestOfTheTick) {
    VelkorControl other;
    QObject::connect(control.get(), &VelkorControl::IncomingCall, &other, [&] { other.IsAlive(); });
    fakeengine::answer("incomingevent").result(1);
    pollOnce();
    EXPECT_EQ(withHandle(calls(), other, "O"),
              (Lines{"set_vlkr_instance(H)", "incoming(buf)", "incomingevent()",
                     "set_vlkr_instance(O)", "isalive()", "set_vlkr_instance(H)",
                     "smsreceivedcount()", "getsmssendack(&, &)", "bitmap_received()"}));
}

TEST_F(ControlEvents, HandlerMayDeleteTheControl) {
    QObject::connect(control.get(), &VelkorControl::IncomingCall, [&] { control.reset(); });
    fakeengine::answer("incomingevent").result(1);
    fakeengine::answer("smsreceivedcount").result(5);
    QTimer *timer1 = control->findChild<QTimer *>(QStringLiteral("Timer1"));
    QMetaObject::invokeMethod(timer1, "timeout", Qt::DirectConnection);
    EXPECT_EQ(control, nullptr);
    EXPECT_TRUE(fakeengine::callsTo("smsreceivedcount").empty());
}

TEST_F(ControlEvents, TheTickSurvivesAHandlerThatThrows) {
    QObject::connect(control.get(), &VelkorControl::IncomingCall,
                     [&] { throw VelkorError(1, QStringLiteral("from a handler")); });
    fakeengine::answer("incomingevent").result(1);
    EXPECT_NO_THROW(pollOnce());
}

TEST_F(ControlEvents, BeepLetsPendingEventsRunBetweenOnAndOff) {
    QTimer::singleShot(0, [] { fakeengine::note("#event"); });
    control->Beep();
    EXPECT_EQ(calls(), (Lines{"set_vlkr_instance(H)", "gsmbeep(1)", "#event", "gsmbeep(0)"}));
}

TEST_F(ControlEvents, BeepStopsOnItsOwnLinkWhenAnEventSelectedAnother) {
    VelkorControl other;
    QTimer::singleShot(0, [&] { other.IsAlive(); });
    control->Beep();
    EXPECT_EQ(withHandle(calls(), other, "O"),
              (Lines{"set_vlkr_instance(H)", "gsmbeep(1)", "set_vlkr_instance(O)", "isalive()",
                     "set_vlkr_instance(H)", "gsmbeep(0)"}));
}

TEST_F(ControlEvents, DestroyingTheControlStopsPollingAndClosesItsLink) {
    const std::string mine = "set_vlkr_instance(" + std::to_string(control->instanceHandle()) + ")";
    control.reset();
    EXPECT_EQ(fakeengine::calls(), (Lines{mine, "terminate()"}));
}

}  // namespace
