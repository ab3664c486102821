// The control with no engine file at all: members that call the engine raise
// EngineNotFound whatever RaiseError says; those that ignore errors return
// their defaults; nothing crashes.
#include <gtest/gtest.h>

#include <QTimer>
#include <cstdlib>

#include "VelkorErrorCatcher.h"
#include "velkor17/FBLogo.h"
#include "velkor17/FBSms.h"
#include "velkor17/VelkorControl.h"
#include "velkor17/VelkorError.h"

using velkor17::DispatchKind;
using velkor17::VelkorError;
namespace ErrorNumber = velkor17::ErrorNumber;

namespace {

const bool kNoEngine =
    setenv("PHONEENG_LIBRARY", "/nonexistent/glyphsmith-test/libphoneeng.so", 1) == 0;

TEST(MissingEngine, MembersThatCallTheEngineRaiseEngineNotFound) {
    ASSERT_TRUE(kNoEngine);
    VelkorControl control;
    const VelkorError e = raisedBy([&] { control.IMEI(); });
    EXPECT_EQ(e.number(), ErrorNumber::EngineNotFound);
    EXPECT_TRUE(e.description().contains(QStringLiteral("/nonexistent/glyphsmith-test")));
    EXPECT_EQ(raisedBy([&] { control.Connect(); }).number(), ErrorNumber::EngineNotFound);
    EXPECT_EQ(raisedBy([&] { control.invoke(0x680300F8, DispatchKind::PropertyGet); }).number(),
              ErrorNumber::EngineNotFound);
    EXPECT_EQ(raisedBy([&] { control.Beep(); }).number(), ErrorNumber::EngineNotFound);
}

TEST(MissingEngine, RaiseErrorFalseDoesNotHideAMissingEngine) {
    VelkorControl control;
    EXPECT_EQ(raisedBy([&] { control.setRaiseError(false); }).number(),
              ErrorNumber::EngineNotFound);
    EXPECT_EQ(raisedBy([&] { control.HangUp(); }).number(), ErrorNumber::EngineNotFound);
}

TEST(MissingEngine, MembersThatIgnoreErrorsReturnTheirDefaults) {
    VelkorControl control;
    EXPECT_EQ(control.ProviderName(), QVariant(QString()));
    EXPECT_EQ(control.ProviderCountry(), QString());
    EXPECT_EQ(control.ProviderSMSC(), QString());
    EXPECT_EQ(control.ProviderCode(), QString());
    EXPECT_EQ(control.PhoneSoftwareRev(), QString());
    EXPECT_EQ(control.PhoneHardwareRev(), QString());
    EXPECT_TRUE(control.PhoneSoftwareDate().isNull());
    EXPECT_EQ(control.PhoneModelName(), QString());
    EXPECT_NO_THROW(control.SetLogoPicture(QImage(8, 8, QImage::Format_RGB32)));
    ASSERT_NE(control.Logo(), nullptr);
    EXPECT_EQ(control.SMS()->SMSSettingSet(), 1);
    EXPECT_EQ(control.invoke(0x680300F3, DispatchKind::PropertyGet).value<QObject *>(),
              control.Logo());
}

TEST(MissingEngine, TimersAndDestructionStayQuiet) {
    auto control = std::make_unique<VelkorControl>();
    for (const char *name : {"Timer1", "Timer2"}) {
        QTimer *timer = control->findChild<QTimer *>(QLatin1String(name));
        ASSERT_NE(timer, nullptr);
        EXPECT_NO_THROW(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection));
    }
    EXPECT_NO_THROW(control.reset());
}

}  // namespace
