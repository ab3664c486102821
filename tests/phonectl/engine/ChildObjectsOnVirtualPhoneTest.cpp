// The logo, SMS, phonebook and speed-dial objects against the real engine and
// its virtual phone: logos of every kind up and down, files, pictures and the
// animation; a message to the phone itself read back from the inbox; the SIM
// phonebook to its end; speed dials.
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "TinyGif.h"
#include "VirtualPhoneSupport.h"
#include "velkor17/FBLogo.h"
#include "velkor17/FBPhonebookEntry.h"
#include "velkor17/FBSms.h"
#include "velkor17/FBSmsBox.h"
#include "velkor17/FBSmsMessage.h"
#include "velkor17/FBSpeedDial.h"
#include "velkor17/VelkorControl.h"

namespace {

using enginetest::waitFor;

struct Kind {
    fbLogoType type;
    qint16 location;  // -1 for none
    int width;
    int height;
};

const Kind kKinds[] = {
    {fbOperatorLogo, -1, 72, 14},
    {fbCallerLogo, 2, 72, 14},
    {fbPictureMessage, 7, 72, 28},
    {fbStartupLogo, -1, 84, 48},
};

// A pattern that tells rows, columns and kinds apart.
bool patternSet(int x, int y, int salt) {
    return (x * 3 + y * 5 + salt) % 7 < 3;
}

class ObjectsOnVirtualPhone : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(enginetest::kStateFolderReady);
        ASSERT_TRUE(dir.isValid());
        control = std::make_unique<VelkorControl>();
        control->setRaiseError(false);
        if (!control->Connect(QStringLiteral("VIRTUAL"))) {
            GTEST_SKIP() << "the engine's virtual phone does not answer";
        }
        control->findChild<QTimer *>(QStringLiteral("Timer1"))->stop();
        control->findChild<QTimer *>(QStringLiteral("Timer2"))->stop();
        logo = control->Logo();
    }

    template <class F>
    static void eachPixel(const Kind &k, F f) {
        for (qint16 y = 0; y < k.height; ++y) {
            for (qint16 x = 0; x < k.width; ++x) {
                f(x, y);
            }
        }
    }
    void drawPattern(const Kind &k, int salt) {
        eachPixel(
            k, [&](qint16 x, qint16 y) { logo->setPixel(x, y, patternSet(x, y, salt) ? 0 : 1); });
    }
    void clearAll(const Kind &k) {
        eachPixel(k, [&](qint16 x, qint16 y) { logo->setPixel(x, y, 1); });
    }
    // The number of pixels that differ from the pattern.
    int patternMisses(const Kind &k, int salt) {
        int misses = 0;
        eachPixel(k, [&](qint16 x, qint16 y) {
            misses += (logo->Pixel(x, y) != 1) != patternSet(x, y, salt);
        });
        return misses;
    }

    QString ownNumber() {
        FBPhonebookEntry *own = control->PhoneBook(1, fbOwnNumberMemory);
        return own->Number();
    }

    QTemporaryDir dir;
    std::unique_ptr<VelkorControl> control;
    FBLogo *logo = nullptr;
};

TEST_F(ObjectsOnVirtualPhone, EachKindOfLogoGoesUpAndComesBack) {
    int salt = 0;
    for (const Kind &k : kKinds) {
        SCOPED_TRACE(int(k.type));
        ++salt;
        logo->setLogoType(k.type);
        ASSERT_EQ(logo->LastError(), 0);
        EXPECT_EQ(logo->LogoType(), k.type);
        EXPECT_EQ(logo->Width(), k.width);
        EXPECT_EQ(logo->Height(), k.height);
        logo->setNetCode(QStringLiteral("244 05"));
        EXPECT_EQ(logo->LastError(), 0);
        if (k.location >= 0) {
            logo->setCallerGroupNumber(k.location);
        }
        if (k.type == fbPictureMessage) {
            logo->setMessageUnicode(true);
            logo->setMessageText(QStringLiteral("Ωmega %1").arg(salt));
        }
        drawPattern(k, salt);
        logo->Upload();
        ASSERT_EQ(logo->LastError(), 0);

        clearAll(k);
        logo->setMessageText(QString());
        logo->setLogoType(fbNoLogo);
        logo->Download(k.type, k.location);
        ASSERT_EQ(logo->LastError(), 0);
        EXPECT_EQ(logo->LogoType(), k.type);
        EXPECT_EQ(patternMisses(k, salt), 0);
        if (k.type == fbOperatorLogo) {
            EXPECT_EQ(logo->NetCode(), QStringLiteral("244 05"));
        }
        if (k.type == fbPictureMessage) {
            logo->setMessageUnicode(false);
            EXPECT_EQ(logo->MessageText(), QStringLiteral("Ωmega %1").arg(salt));
            EXPECT_TRUE(logo->MessageUnicode());
        }
        if (k.location >= 0) {
            EXPECT_EQ(logo->CallerGroupNumber(), k.location);
        }
    }
}

TEST_F(ObjectsOnVirtualPhone, LogosGoThroughTheirFilesAndFailuresShowInLastError) {
    int salt = 10;
    for (const Kind &k : kKinds) {
        SCOPED_TRACE(int(k.type));
        logo->setLogoType(k.type);
        drawPattern(k, ++salt);
        const QString file = dir.filePath(QStringLiteral("logo%1.dat").arg(salt));
        logo->WriteFile(file);
        ASSERT_EQ(logo->LastError(), 0);
        clearAll(k);
        logo->ReadFile(file);
        ASSERT_EQ(logo->LastError(), 0);
        EXPECT_EQ(logo->LogoType(), k.type);
        EXPECT_EQ(patternMisses(k, salt), 0);
    }
    logo->ReadFile(dir.filePath(QStringLiteral("absent.nol")));
    EXPECT_NE(logo->LastError(), 0);
    logo->WriteBmp(dir.filePath(QStringLiteral("logo.bmp")));
    EXPECT_EQ(logo->LastError(), 0);
    EXPECT_FALSE(QImage(dir.filePath(QStringLiteral("logo.bmp"))).isNull());
}

TEST_F(ObjectsOnVirtualPhone, GroupNamesAndTheMessageTextInEightBit) {
    logo->setLogoType(fbCallerLogo);
    logo->setCallerGroupName(QStringLiteral("Familj Åberg"));
    EXPECT_EQ(logo->CallerGroupName(), QStringLiteral("Familj Åberg"));
    logo->setLogoType(fbPictureMessage);
    logo->setMessageUnicode(false);
    logo->setMessageText(QStringLiteral("Grüße"));
    EXPECT_EQ(logo->MessageText(), QStringLiteral("Grüße"));
    EXPECT_FALSE(logo->MessageUnicode());
}

TEST_F(ObjectsOnVirtualPhone, APictureBecomesTheLogoInTheEngine) {
    logo->setLogoType(fbStartupLogo);
    QImage picture(168, 96, QImage::Format_RGB32);
    for (int y = 0; y < 96; ++y) {
        for (int x = 0; x < 168; ++x) {
            picture.setPixel(x, y,
                             patternSet(x / 2, y / 2, 3) ? qRgb(20, 20, 20) : qRgb(240, 250, 230));
        }
    }
    control->SetLogoPicture(picture);
    EXPECT_EQ(patternMisses(kKinds[3], 3), 0);
}

TEST_F(ObjectsOnVirtualPhone, TheAnimationPutsEachFrameOnThePhone) {
    const std::array<QRgb, 4> palette{qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 255),
                                      qRgb(128, 128, 128)};
    TinyGif gif(72, 14, palette);
    gif.add(TinyGif::filled(0, 0, 72, 14, 1));
    gif.add(TinyGif::filled(0, 0, 10, 14, 0));
    const QString file = dir.filePath(QStringLiteral("anim.gif"));
    ASSERT_TRUE(gif.write(file));
    logo->setLogoType(fbOperatorLogo);
    logo->setNetCode(QStringLiteral("244 05"));
    control->LoadAnimation(file);
    control->setAnimateLogo(true);
    QTimer *step = control->findChild<QTimer *>(QStringLiteral("Timer2"));
    for (int frame = 0; frame < 2; ++frame) {
        ASSERT_TRUE(QMetaObject::invokeMethod(step, "timeout", Qt::DirectConnection));
        EXPECT_EQ(logo->LastError(), 0);
        clearAll(kKinds[0]);
        logo->Download(fbOperatorLogo);
        ASSERT_EQ(logo->LastError(), 0);
        EXPECT_EQ(logo->Pixel(5, 5), frame == 0 ? 1 : 0);
        EXPECT_EQ(logo->Pixel(50, 5), 1);
    }
}

TEST_F(ObjectsOnVirtualPhone, AMessageToSelfIsReadFromTheInbox) {
    const QString own = ownNumber();
    ASSERT_FALSE(own.isEmpty());
    FBSms *sms = control->SMS();
    EXPECT_FALSE(sms->SMSMessageCenter().isEmpty());
    FBSmsBox *inbox = sms->Inbox();
    const qint16 before = inbox->Count();

    ASSERT_TRUE(sms->SendMessage(own, QStringLiteral("Grüße an mich")));
    ASSERT_TRUE(waitFor([&] {
        sms->Refresh();
        return inbox->Count() > before;
    }));
    FBSmsMessage *m = inbox->Item(qint16(before + 1));
    EXPECT_EQ(m->Text(), QStringLiteral("Grüße an mich"));
    EXPECT_EQ(m->LastError(), 0);
    EXPECT_EQ(m->Encoding(), fbSmsMessageText);
    EXPECT_EQ(m->Sender(), own);
    EXPECT_TRUE(m->DateTime().isValid());
    EXPECT_FALSE(m->SMSC().isEmpty());

    ASSERT_TRUE(sms->SendUnicode(own, QStringLiteral("Ωmega €")));
    ASSERT_TRUE(waitFor([&] {
        sms->Refresh();
        return inbox->Count() > before + 1;
    }));
    m = inbox->Item(qint16(before + 2));
    EXPECT_EQ(m->Encoding(), fbSmsMessageUnicode);
    EXPECT_EQ(m->Text(), QStringLiteral("Ωmega €"));
    EXPECT_TRUE(m->SentRead());  // reading the text marked it read

    m->Delete();
    EXPECT_EQ(m->LastError(), 0);
    EXPECT_EQ(inbox->Count(), before + 1);
    EXPECT_GE(sms->TotalMessages(), inbox->Count());
}

TEST_F(ObjectsOnVirtualPhone, TheSimPhonebookReadsToItsEnd) {
    qint16 location = 1;
    int filled = 0;
    for (; location < 1000; ++location) {
        FBPhonebookEntry *e = control->PhoneBook(location, fbSimMemory);
        const QString name = e->Name();
        if (e->LastError() != 0) {
            break;
        }
        filled += !name.isEmpty();
    }
    FBPhonebookEntry *past = control->PhoneBook(location, fbSimMemory);
    past->Name();
    EXPECT_EQ(past->LastError(), 22);
    EXPECT_GT(location, 1);
    EXPECT_GT(filled, 0);
    EXPECT_EQ(control->PhoneBook(1)->Name(), QStringLiteral("Alice Baker"));
}

TEST_F(ObjectsOnVirtualPhone, PhonebookEntriesAreWrittenFieldByField) {
    FBPhonebookEntry *e = control->PhoneBook(60, fbSimMemory);
    EXPECT_EQ(e->WriteData(QStringLiteral("Zoe"), QStringLiteral("+4930123"), 2), 0);
    e = control->PhoneBook(60, fbSimMemory);
    EXPECT_EQ(e->Name(), QStringLiteral("Zoe"));
    e->setNumber(QStringLiteral("+4930999"));
    EXPECT_EQ(e->LastError(), 0);
    e->setGroup(4);
    EXPECT_EQ(e->Name(), QStringLiteral("Zoe"));
    EXPECT_EQ(e->Number(), QStringLiteral("+4930999"));
    EXPECT_EQ(e->Group(), 4);
    e->Delete();
    EXPECT_EQ(e->LastError(), 0);
    EXPECT_EQ(e->Name(), QString());
}

TEST_F(ObjectsOnVirtualPhone, SpeedDialsPointAtPhonebookLocations) {
    FBSpeedDial *key = control->SpeedDial(2);
    EXPECT_EQ(key->Number(), 1);
    EXPECT_EQ(key->MemoryType(), fbSimMemory);
    key->setNumber(3);
    EXPECT_EQ(key->LastError(), 0);
    key = control->SpeedDial(2);
    EXPECT_EQ(key->Number(), 3);
    // A key that points nowhere fails its read: nothing is written.
    key = control->SpeedDial(5);
    key->setNumber(2);
    EXPECT_NE(key->LastError(), 0);
    EXPECT_EQ(control->SpeedDial(5)->Number(), 0);
}

}  // namespace
