// Connect, Disconnect, the needs-connection rule and the RaiseError flag.
#include <QDateTime>
#include <QTimer>

#include "ControlTestSupport.h"

namespace {

TEST_F(ControlTest, ConnectSuccessStartsPollingAndTakesTheMessageCountAsBaseline) {
    QTimer *timer1 = control->findChild<QTimer *>(QStringLiteral("Timer1"));
    ASSERT_NE(timer1, nullptr);
    EXPECT_FALSE(timer1->isActive());
    fakeengine::answer("smsreceivedcount").result(7);
    EXPECT_TRUE(control->Connect());
    EXPECT_EQ(calls(), (Lines{"set_vlkr_instance(H)", R"(init("COM1", 0))", "smsreceivedcount()"}));
    EXPECT_TRUE(control->Connected());
    EXPECT_TRUE(timer1->isActive());
    EXPECT_EQ(timer1->interval(), 1000);

    // Seven messages were there before: only the two new ones are reported.
    QSignalSpy spy(control.get(), &VelkorControl::IncomingSMS);
    fakeengine::reset();
    fakeengine::answer("smsreceivedcount").result(9);
    pollOnce();
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<qint32>(), 2);
}

TEST_F(ControlTest, FailedConnectRaisesOrReturnsFalseAndSetsLastErrorThree) {
    fakeengine::answer("init").result(5);
    const VelkorError error = raisedBy([&] { control->Connect(QStringLiteral("COM3F")); });
    EXPECT_EQ(error.number(), velkor17::ErrorNumber::ConnectFailed);
    EXPECT_EQ(error.description(), QStringLiteral("VelkorLink connecting failed. Erc 5"));
    control->setRaiseError(false);
    fakeengine::answer("init").result(4);
    EXPECT_FALSE(control->Connect());
    EXPECT_EQ(control->LastError(), 3);
    EXPECT_FALSE(control->Connected());
    EXPECT_FALSE(control->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    EXPECT_TRUE(fakeengine::callsTo("smsreceivedcount").empty());
}

TEST_F(ControlTest, ConnectResetsSmsSettingsOnlyWhenNotConnected) {
    control->setSMSClass(fbSmsClassFlash);
    control->setSMSSettingSet(3);
    control->Connect();
    EXPECT_EQ(control->SMSClass(), fbSmsClassNormal);
    EXPECT_EQ(control->SMSSettingSet(), 1);

    control->setSMSClass(fbSmsClass3);
    control->Connect();
    EXPECT_EQ(control->SMSClass(), fbSmsClass3);
}

TEST_F(ControlTest, DisconnectTerminatesButPollingGoesOn) {
    control->Connect();
    fakeengine::reset();
    control->Disconnect();
    EXPECT_EQ(calls(), (Lines{"set_vlkr_instance(H)", "terminate()"}));
    EXPECT_FALSE(control->Connected());
    EXPECT_TRUE(control->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
}

TEST_F(ControlTest, LastErrorStaysThreeAfterALaterSuccess) {
    control->setRaiseError(false);
    control->HangUp();
    connect();
    control->HangUp();
    EXPECT_EQ(control->LastError(), 3);
}

TEST_F(ControlTest, ClockAndStatusReadsGiveZeroValuesWhenNotConnected) {
    EXPECT_TRUE(control->DateTime().isNull());
    EXPECT_EQ(control->AlarmTime(), QTime(0, 0));
    EXPECT_FALSE(control->CallInProgress());
    EXPECT_FALSE(control->KeyboardLocked());
    EXPECT_EQ(fakeengine::names(), (Lines(4, "set_vlkr_instance")));
    EXPECT_EQ(control->LastError(), 0);
}

}  // namespace
