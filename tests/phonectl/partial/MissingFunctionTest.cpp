// The control with an engine that lacks most functions: the member that calls
// a missing one raises EngineFunctionNotFound naming it; the others work.
#include <gtest/gtest.h>

#include <QTimer>
#include <cstdlib>

#include "VelkorErrorCatcher.h"
#include "velkor17/VelkorControl.h"
#include "velkor17/VelkorError.h"

using velkor17::DispatchKind;
using velkor17::VelkorError;
namespace ErrorNumber = velkor17::ErrorNumber;

namespace {

const bool kPartialEngine = setenv("PHONEENG_LIBRARY", PARTIALENGINE_PATH, 1) == 0;

TEST(MissingFunction, RaisedByTheMemberThatCallsIt) {
    ASSERT_TRUE(kPartialEngine);
    VelkorControl control;
    EXPECT_TRUE(control.Connect(QStringLiteral("VIRTUAL")));
    EXPECT_TRUE(control.Connected());
    const VelkorError e = raisedBy([&] { control.IMEI(); });
    EXPECT_EQ(e.number(), ErrorNumber::EngineFunctionNotFound);
    EXPECT_TRUE(e.description().contains(QStringLiteral("getimei")));
    EXPECT_EQ(raisedBy([&] { control.invoke(0x6003010C, DispatchKind::Method); }).number(),
              ErrorNumber::EngineFunctionNotFound);
    // Asked again: still missing, still raised.
    EXPECT_EQ(raisedBy([&] { control.IMEI(); }).number(), ErrorNumber::EngineFunctionNotFound);
}

TEST(MissingFunction, MembersThatIgnoreErrorsAndTheTimersCarryOn) {
    VelkorControl control;
    control.Connect();
    EXPECT_EQ(control.PhoneModelName(), QString());
    EXPECT_TRUE(control.PhoneSoftwareDate().isNull());
    QTimer *timer1 = control.findChild<QTimer *>(QStringLiteral("Timer1"));
    ASSERT_NE(timer1, nullptr);
    EXPECT_TRUE(timer1->isActive());
    EXPECT_NO_THROW(QMetaObject::invokeMethod(timer1, "timeout", Qt::DirectConnection));
    EXPECT_NO_THROW(control.Disconnect());
    EXPECT_FALSE(control.Connected());
}

}  // namespace
