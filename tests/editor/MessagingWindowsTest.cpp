// Sending logos and text messages, the startup text, the phonebook and the
// phone information on the engine's virtual phone, through the main window's
// commands; the dialogs answered from a timer.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include "FileDialogScript.h"
#include "FileTestSupport.h"
#include "MainWindowTest.h"
#include "PixelCheck.h"
#include "VirtualPhoneState.h"
#include "phone/FrmPhoneBook.h"
#include "phone/FrmPhoneInfo.h"
#include "phone/FrmSendLogo.h"
#include "phone/FrmSendSms.h"
#include "phone/FrmStartupText.h"
#include "velkor17/FBPhonebookEntry.h"
#include "velkor17/FBSms.h"
#include "velkor17/FBSmsBox.h"
#include "velkor17/FBSmsMessage.h"
#include "velkor17/VelkorControl.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

class MessagingTest : public MainWindowTest {
protected:
    void SetUp() override {
        freshVirtualPhone();
        home.env.portOverride = QStringLiteral("VIRTUAL");
        home.writeSettings({});
        start();
        ASSERT_EQ(w().ui().txtStat1->text(), "Ready");
        own = w().ui().Velk->PhoneBook(1, fbOwnNumberMemory)->Number();
    }
    FrmMain &w() { return *window_; }
    QString lastMessage() const {
        return home.messages->shown.empty() ? QString() : home.messages->shown.back().text;
    }
    QString own;
};

TEST_F(MessagingTest, EachLogoKindSentToTheOwnNumberArrivesAsTheSameLogoButStartupLogos) {
    w().optStartup_Click();
    {
        ModalScript refused;
        w().cmdSendLogo_Click();
        EXPECT_EQ(refused.shown(), 0);
    }
    EXPECT_EQ(lastMessage(), "Sorry, Nokia phones cannot send startup logos");
    home.messages->shown.clear();
    for (int kind = 0; kind < 3; ++kind) {
        choose(kind);
        const Pattern p = patternForKind(kind, 40 + kind);
        drawPattern(w().document(), p);
        w().ui().txtNetCode->setText(QStringLiteral("244 05"));
        ModalScript script;
        script.on<FrmSendLogo>([&](FrmSendLogo *d) {
            d->cmdSend->click();  // no number: nothing happens
            EXPECT_TRUE(home.messages->shown.empty());
            d->txtNumber->setText(own);
            d->cmdSend->click();
            EXPECT_TRUE(d->isVisible()) << "a sent logo leaves its dialog open";
            EXPECT_EQ(d->picReal->size(), QSize(p.width, p.height));
            d->cmdCancel->click();
        });
        w().cmdSendLogo_Click();
        ASSERT_TRUE(script.done());
        EXPECT_EQ(lastMessage(), "SMS message sent");
        home.messages->shown.clear();
        FBLogo *logo = w().ui().Velk->Logo();
        logo->setLogoType(fbNoLogo);
        ASSERT_TRUE(logo->GetLastReceived()) << kind;
        EXPECT_EQ(logo->LogoType(), fbLogoTypeForKind(LogoKind(kind)));
        EXPECT_TRUE(everyPixel(QRect(0, 0, p.width, p.height), [&](int x, int y) {
            return (logo->Pixel(x, y) == 0) == p.at(x, y);
        })) << kind;
    }
}

TEST_F(MessagingTest, AFlashMessageArrivesAsClassZeroWithTheReportAskedFor) {
    FBSmsBox *reports = w().ui().Velk->SMS()->DeliveryNotifications();
    const int reportsBefore = reports->Count();
    ModalScript script;
    script.on<FrmSendSms>([&](FrmSendSms *d) {
        EXPECT_EQ(d->txtMessageCntr->text(), w().ui().Velk->SMS()->SMSMessageCenter());
        d->txtMessage->setPlainText(QStringLiteral("Flash"));
        d->chkFlash->setChecked(true);
        d->chkDelivery->setChecked(true);
        d->cmdSend->click();  // no number: the send fails, the dialog stays
        EXPECT_EQ(lastMessage(), "SMS message send failure");
        EXPECT_TRUE(d->isVisible());
        d->txtNumber->setText(own);
        d->cmdSend->click();
    });
    w().ui().mnuSendText->trigger();
    ASSERT_TRUE(script.done());
    EXPECT_EQ(script.unexpected(), 0) << "a sent message closes its dialog";
    EXPECT_EQ(lastMessage(), "SMS message sent");
    QStringList arrived;  // the newest in the inbox: box, encoding, read, class, ...
    for (const QStringList &sms : virtualPhoneRecords("sms")) {
        arrived = sms.front() == "13" ? sms : arrived;
    }
    EXPECT_EQ(arrived.mid(0, 4), (QStringList{"13", "0", "0", "0"}));
    EXPECT_EQ(reports->Count(), reportsBefore + 1);
}

TEST_F(MessagingTest, DefaultAsksThePhoneOnlyWhileNoCentreIsKnown) {
    SharedValues &values = w().sharedValues();
    values.sSMSC = QStringLiteral("+999");
    values.sPhonebookNumber = QStringLiteral("+1");
    FrmSendSms d(w().ui().Velk, values, *home.messages, {}, [](QWidget *) {});  // nobody picked
    d.txtNumber->setText(QStringLiteral("kept"));
    d.cmdGetPhoneNum->click();
    EXPECT_EQ(d.txtNumber->text(), "kept");
    d.cmdGetMessageCntr->click();
    EXPECT_EQ(d.txtMessageCntr->text(), "+999");
    values.sSMSC.clear();
    d.cmdGetMessageCntr->click();
    EXPECT_EQ(values.sSMSC, w().ui().Velk->SMS()->SMSMessageCenter());
    EXPECT_EQ(d.txtMessageCntr->text(), values.sSMSC);
}

TEST_F(MessagingTest, StartupTextReachesThePhone) {
    ModalScript script;
    script.on<FrmStartupText>([](FrmStartupText *d) {
        d->txtStartupText->setText(QStringLiteral("Hello there"));
        d->cmdOK->click();
    });
    w().cmdStartupText_Click();
    EXPECT_EQ(script.unexpected(), 0);
    EXPECT_EQ(lastMessage(), "Succesfully Changed");
    EXPECT_EQ(virtualPhoneRecords("startup-text"), QList<QStringList>{{"Hello there"}});
}

TEST_F(MessagingTest, ASimOf97UsedLocationsListsThemWithItsCapacityAndCancelPicksNothing) {
    for (qint16 i = 1; i <= 100; ++i) {
        if (i != 10 && i != 50 && i != 99) {
            w().ui().Velk->PhoneBook(i)->WriteData(QStringLiteral("N%1").arg(i),
                                                   QStringLiteral("555%1").arg(i), i % 3);
        }
    }
    FrmPhoneBook d(w().ui().Velk, w().sharedValues(), {});
    d.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return d.txtStat1->text() == "Ready"; }, 20000));
    ASSERT_EQ(d.lstPhonebook->count(), 97);
    EXPECT_EQ(d.fraPhonebook->title(), "SIM Phonebook (max. 100 entries)");
    d.cmdOK->click();  // nothing selected
    EXPECT_TRUE(d.isVisible());
    d.lstPhonebook->setCurrentRow(1);
    emit d.lstPhonebook->itemDoubleClicked(d.lstPhonebook->item(1));
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(w().sharedValues().sPhonebookNumber, "5552");
    // Cancel stops the reading with nothing picked
    FrmPhoneBook cancelled(w().ui().Velk, w().sharedValues(), {});
    QTimer::singleShot(0, cancelled.cmdCancel, &QPushButton::click);
    cancelled.ReadPhonebook();
    EXPECT_EQ(cancelled.lstPhonebook->count(), 0);
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_TRUE(w().sharedValues().sPhonebookNumber.isEmpty());
}

TEST_F(MessagingTest, APhonebookPickGoesIntoTheSendDialog) {
    const QString second = w().ui().Velk->PhoneBook(2)->Number();
    ModalScript script;
    script.on<FrmSendSms>([&](FrmSendSms *d) {
        d->cmdGetPhoneNum->click();
        EXPECT_EQ(d->txtNumber->text(), second);
        d->cmdCancel->click();
    });
    script.on<FrmPhoneBook>([](FrmPhoneBook *d) {
        d->Timer1_Timer();
        d->lstPhonebook->setCurrentRow(1);
        d->cmdOK->click();
    });
    w().cmdSendSms_Click();
    EXPECT_TRUE(script.done());
    EXPECT_EQ(script.unexpected(), 0);
}

// Without a phone: the startup text is not reported as changed, and the
// phone information is empty.
TEST_F(MainWindowTest, WithoutAPhoneNothingClaimsSuccess) {
    home.writeSettings({});
    start();
    ModalScript script;
    script.on<FrmStartupText>([this](FrmStartupText *d) {
        d->cmdOK->click();
        EXPECT_EQ(home.messages->shown.back().text,
                  "Problems Changing Startup Text. Check Connection");
        EXPECT_TRUE(d->isVisible());
        d->cmdCancel->click();
    });
    window().cmdStartupText_Click();
    EXPECT_TRUE(script.done());
    FrmPhoneInfo info(window().ui().Velk);
    EXPECT_TRUE(info.lblSWDate->text().isEmpty());
    EXPECT_TRUE(info.lblProvider->text().isEmpty());
}

}  // namespace
