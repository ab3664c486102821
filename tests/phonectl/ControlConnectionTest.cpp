// Connect, Disconnect, the needs-connection rule and the RaiseError flag.
#include <QTimer>

#include "ControlTestSupport.h"

namespace {

using ErrorNumbers = std::pair<qint32, QString>;

ErrorNumbers thrownBy(const std::function<void()> &f) {
    try {
        f();
    } catch (const VelkorError &e) {
        return {e.number(), e.description()};
    }
    return {0, QString()};
}

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

TEST_F(ControlTest, FailedConnectRaisesErrorWithTheEngineCodeAndSetsLastErrorThree) {
    fakeengine::answer("init").result(5);
    const ErrorNumbers error = thrownBy([&] { control->Connect(QStringLiteral("COM3F")); });
    EXPECT_EQ(error.first, -2147220503);
    EXPECT_EQ(error.first, velkor17::ErrorNumber::ConnectFailed);
    EXPECT_EQ(error.second, QStringLiteral("VelkorLink connecting failed. Erc 5"));
    EXPECT_EQ(control->LastError(), 3);
    EXPECT_FALSE(control->Connected());
    EXPECT_FALSE(control->findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
}

TEST_F(ControlTest, FailedConnectWithoutRaisingReturnsFalse) {
    control->setRaiseError(false);
    fakeengine::answer("init").result(4);
    EXPECT_FALSE(control->Connect());
    EXPECT_EQ(control->LastError(), 3);
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

// The members that need a connection, with the default each returns.
struct NeedsConnection {
    const char *name;
    qint32 dispId;
    DispatchKind kind;
    QVariantList args;
    QVariant defaultResult;
};

const std::vector<NeedsConnection> &needsConnection() {
    static const std::vector<NeedsConnection> all = {
        {"SendSMSMessage", 0x6003010A, DispatchKind::Method, {"1", "x"}, QVariant(false)},
        {"NetmonitorScreen", 0x680300FC, DispatchKind::PropertyGet, {1}, QVariant(QString())},
        {"VoiceCall", 0x6003010B, DispatchKind::Method, {"1"}, QVariant()},
        {"HangUp", 0x6003010C, DispatchKind::Method, {}, QVariant()},
        {"Reset", 0x6003010D, DispatchKind::Method, {}, QVariant()},
        {"SendDtmf", 0x6003010E, DispatchKind::Method, {"1"}, QVariant()},
        {"SendKeys", 0x6003010F, DispatchKind::Method, {"1"}, QVariant()},
        {"Disconnect", 0x60030117, DispatchKind::Method, {}, QVariant()},
        {"GetSMSMessage", 0x60030118, DispatchKind::Method, {1}, QVariant(QString())},
        {"EnableNetMonitorEngineering", 0x60030119, DispatchKind::Method, {}, QVariant()},
        {"EnableNetMonitorFieldTest", 0x6003011A, DispatchKind::Method, {}, QVariant()},
        {"DisableNetMonitor", 0x6003011B, DispatchKind::Method, {}, QVariant()},
        {"DateTimePut",
         0x680300F1,
         DispatchKind::PropertyPut,
         {QDateTime::currentDateTime()},
         QVariant()},
        {"AlarmTimePut", 0x680300F0, DispatchKind::PropertyPut, {QTime(7, 0)}, QVariant()},
        {"AlarmEnabled", 0x680300EF, DispatchKind::PropertyGet, {}, QVariant(false)},
        {"RfLevel", 0x680300EC, DispatchKind::PropertyGet, {}, QVariant(0.0f)},
        {"BatteryLevel", 0x680300EB, DispatchKind::PropertyGet, {}, QVariant(0.0f)},
        {"ACDCPower", 0x680300EA, DispatchKind::PropertyGet, {}, QVariant(false)},
        {"Answer", 0x60030128, DispatchKind::Method, {}, QVariant()},
    };
    return all;
}

class NeedsConnectionTest : public ControlTest,
                            public ::testing::WithParamInterface<NeedsConnection> {};

TEST_P(NeedsConnectionTest, RaisesNotConnectedAndCallsNothingElse) {
    const ErrorNumbers error =
        thrownBy([&] { control->invoke(GetParam().dispId, GetParam().kind, GetParam().args); });
    EXPECT_EQ(error.first, -2147220504);
    EXPECT_EQ(error.second, QStringLiteral("VelkorLink not connected"));
    EXPECT_EQ(calls(), (Lines{"set_vlkr_instance(H)"}));
    EXPECT_EQ(control->LastError(), 3);
}

TEST_P(NeedsConnectionTest, WithoutRaisingReturnsTheDefault) {
    control->setRaiseError(false);
    fakeengine::reset();
    const QVariant result = control->invoke(GetParam().dispId, GetParam().kind, GetParam().args);
    EXPECT_EQ(result, GetParam().defaultResult);
    EXPECT_EQ(calls(), (Lines{"set_vlkr_instance(H)"}));
    EXPECT_EQ(control->LastError(), 3);
}

INSTANTIATE_TEST_SUITE_P(Members, NeedsConnectionTest, ::testing::ValuesIn(needsConnection()),
                         [](const ::testing::TestParamInfo<NeedsConnection> &info) {
                             return std::string(info.param.name);
                         });

TEST_F(ControlTest, ClockAndStatusReadsGiveZeroValuesWhenNotConnected) {
    EXPECT_TRUE(control->DateTime().isNull());
    EXPECT_EQ(control->AlarmTime(), QTime(0, 0));
    EXPECT_FALSE(control->CallInProgress());
    EXPECT_FALSE(control->KeyboardLocked());
    EXPECT_EQ(fakeengine::names(), (Lines(4, "set_vlkr_instance")));
    EXPECT_EQ(control->LastError(), 0);
}

}  // namespace
