// The control as a widget and as a dispatch object: child objects, the about
// window, its size, and its members' optional arguments. How arguments are
// converted and refused is the dispatch table's (DispatchTableTest).
#include <QApplication>
#include <QDialog>
#include <QSignalSpy>

#include "ControlTestSupport.h"
#include "velkor17/FBLogo.h"
#include "velkor17/FBPhonebookEntry.h"
#include "velkor17/FBRingTone.h"
#include "velkor17/FBSms.h"
#include "velkor17/FBSmsBox.h"
#include "velkor17/FBSmsMessage.h"
#include "velkor17/FBSpeedDial.h"

namespace {

template <typename T>
T *objectOf(const QVariant &v) {
    return qobject_cast<T *>(v.value<QObject *>());
}

TEST_F(ControlTest, EachChildObjectIsCreatedOnceAndHandedOutAgain) {
    FBLogo *logo = control->Logo();
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->parent(), control.get());
    EXPECT_EQ(control->Logo(), logo);
    EXPECT_EQ(objectOf<FBLogo>(control->invoke(0x680300F3, Get)), logo);
    EXPECT_EQ(objectOf<FBRingTone>(control->invoke(0x680300F2, Get)), control->RingTone());
    EXPECT_EQ(objectOf<FBSms>(control->invoke(0x680300F4, Get)), control->SMS());
    EXPECT_EQ(objectOf<FBSpeedDial>(control->invoke(0x680300F6, Get, {2})), control->SpeedDial(3));
    EXPECT_EQ(objectOf<FBPhonebookEntry>(control->invoke(0x680300F5, Get, {5})),
              control->PhoneBook(6));
    // The control keeps itself 32 pixels square; handles tell controls apart.
    control->resize(100, 60);
    EXPECT_EQ(control->size(), QSize(32, 32));
    EXPECT_NE(VelkorControl().instanceHandle(), control->instanceHandle());
}

TEST_F(ControlTest, ChildObjectsAreToldTheLinkAndTheirAddress) {
    EXPECT_FALSE(control->SMS()->isConnected());
    FBPhonebookEntry *entry =
        objectOf<FBPhonebookEntry>(control->invoke(0x680300F5, Get, {5}));  // memory left out
    EXPECT_EQ(entry->location(), 5);
    EXPECT_EQ(entry->memoryType(), fbSimMemory);
    EXPECT_FALSE(entry->isConnected());

    connect();
    EXPECT_TRUE(control->SMS()->isConnected());
    entry = control->PhoneBook(7, fbPhoneMemory);
    EXPECT_EQ(entry->location(), 7);
    EXPECT_EQ(entry->memoryType(), fbPhoneMemory);
    EXPECT_TRUE(entry->isConnected());
    FBSpeedDial *dial = control->SpeedDial(4);
    EXPECT_EQ(dial->location(), 4);
    EXPECT_TRUE(dial->isConnected());

    // The accessors select the instance and call nothing else.
    EXPECT_EQ(fakeengine::names(), (Lines(3, "set_vlkr_instance")));
}

TEST_F(ControlTest, SmsSettingSetIsTheSharedSmsObjectsAndNotifiesTheHost) {
    QSignalSpy changed(control.get(), &VelkorControl::propertyChanged);
    EXPECT_EQ(control->SMS()->SMSSettingSet(), 1);  // set on creation
    control->invoke(0x68030109, DispatchKind::PropertyPut, {3});
    EXPECT_EQ(control->SMS()->SMSSettingSet(), 3);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toString(), QStringLiteral("SMSSettingSet"));
    // The link is down as far as the SMS object knows: no message centre call.
    EXPECT_TRUE(fakeengine::callsTo("setsmsmessagecenter").empty());
}

TEST_F(ControlTest, AboutShowsOneModelessWindowWithNameAndVersion) {
    control->About();
    control->invoke(0x60030120, DispatchKind::Method);
    QList<QDialog *> windows;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QStringLiteral("frmAbout") && w->isVisible()) {
            windows.append(qobject_cast<QDialog *>(w));
        }
    }
    ASSERT_EQ(windows.size(), 1);
    EXPECT_FALSE(windows.first()->isModal());
    QString texts;
    for (const char *label : {"lblName", "lblVersion"}) {
        texts += windows.first()->findChild<QWidget *>(label)->property("text").toString();
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("velkor17")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Version")));
    windows.first()->close();
}

TEST_F(ControlTest, InvokeFillsLeftOutOptionalArgumentsWithTheirDefaults) {
    control->invoke(0x60030116, DispatchKind::Method);
    control->invoke(0x60030116, DispatchKind::Method, {QStringLiteral("COM4F")});
    EXPECT_EQ(fakeengine::callsTo("init"), (Lines{R"(init("COM1", 0))", R"(init("COM4F", 0))"}));
    control->invoke(0x6003010D, DispatchKind::Method, {QVariant()});
    EXPECT_EQ(fakeengine::callsTo("reset"), (Lines{R"(reset("soft"))"}));
}

}  // namespace
