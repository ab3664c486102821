#include "LogoTestSupport.h"
#include "VirtualTestSupport.h"

using namespace phoneeng;
using virtualtest::VirtualPhoneTest;

TEST_F(VirtualPhoneTest, VirtualLogosComeBackUnchanged) {
    unsigned seed = 1;
    for (LogoType type : logotest::kAllTypes) {
        Logo sent = logotest::randomLogo(type, seed++);
        sent.groupNumber = 3;
        if (type == LogoType::Operator) {
            sent.netCode = "244 05";
        }
        if (type == LogoType::Caller) {
            sent.groupName = "Climbers";
        }
        if (type == LogoType::Picture) {
            sent.message = u"See you at eight";
        }
        engine().logo = sent;
        ASSERT_EQ(logo_upload(), PE_OK) << static_cast<int>(type);

        engine().logo = Logo{};
        engine().logo.groupNumber = 3;
        ASSERT_EQ(logo_download(static_cast<int32_t>(type)), PE_OK);
        const Logo &got = engine().logo;
        EXPECT_EQ(got.type(), type);
        EXPECT_EQ(got.bitmap(), sent.bitmap());
        if (type == LogoType::Operator) {
            EXPECT_EQ(got.netCode, "244 05");
        }
        if (type == LogoType::Caller) {
            EXPECT_EQ(got.groupName, "Climbers");
        }
        if (type == LogoType::Picture) {
            EXPECT_EQ(got.message, u"See you at eight");
        }
    }
}

TEST_F(VirtualPhoneTest, VirtualEmptyAndMissingLocationsGiveCodes) {
    const Logo before = logotest::randomLogo(LogoType::Startup, 5);
    engine().logo = before;
    EXPECT_EQ(logo_download(PE_LOGO_OPERATOR), PE_EMPTY);
    EXPECT_EQ(logo_download(PE_LOGO_STARTUP), PE_EMPTY);
    engine().logo.groupNumber = 4;
    EXPECT_EQ(logo_download(PE_LOGO_CALLER), PE_EMPTY);
    EXPECT_EQ(logo_download(PE_LOGO_PICTURE), PE_EMPTY);
    engine().logo.groupNumber = 5;
    EXPECT_EQ(logo_download(PE_LOGO_CALLER), PE_PAST_END);
    engine().logo.groupNumber = 10;
    EXPECT_EQ(logo_download(PE_LOGO_PICTURE), PE_PAST_END);
    engine().logo.groupNumber = -1;
    EXPECT_EQ(logo_download(PE_LOGO_PICTURE), PE_BAD_ARGUMENT);
    for (int32_t bad : {0, 5, -1, 99}) {
        EXPECT_EQ(logo_download(bad), PE_BAD_ARGUMENT);
    }
    engine().logo.groupNumber = 0;
    EXPECT_EQ(engine().logo.bitmap(), before.bitmap());  // failures leave the logo alone
    EXPECT_EQ(engine().logo.type(), LogoType::Startup);
}

TEST_F(VirtualPhoneTest, VirtualLogoUploadChecksItsLogo) {
    engine().logo = Logo{};
    EXPECT_EQ(logo_upload(), PE_BAD_ARGUMENT);  // no logo

    Logo caller = logotest::randomLogo(LogoType::Caller, 2);
    caller.groupNumber = 5;
    engine().logo = caller;
    EXPECT_EQ(logo_upload(), PE_PAST_END);
    caller.groupNumber = 0;
    caller.groupName = std::string(21, 'n');
    engine().logo = caller;
    EXPECT_EQ(logo_upload(), PE_BAD_ARGUMENT);
    caller.groupName = "";  // keeps the group's own name
    engine().logo = caller;
    ASSERT_EQ(logo_upload(), PE_OK);
    ASSERT_EQ(logo_download(PE_LOGO_CALLER), PE_OK);
    EXPECT_EQ(engine().logo.groupName, "Family");

    Logo op = logotest::randomLogo(LogoType::Operator, 3);
    op.netCode = "";  // the phone's own network
    engine().logo = op;
    ASSERT_EQ(logo_upload(), PE_OK);
    ASSERT_EQ(logo_download(PE_LOGO_OPERATOR), PE_OK);
    EXPECT_EQ(engine().logo.netCode, "999 01");

    Logo picture = logotest::randomLogo(LogoType::Picture, 4);
    picture.message = std::u16string(121, u'x');
    engine().logo = picture;
    EXPECT_EQ(logo_upload(), PE_BAD_ARGUMENT);
}

TEST_F(VirtualPhoneTest, VirtualRingTonesGoToLocationsOneToSeven) {
    RingTone tone;
    tone.name = "Tune";
    tone.entries.push_back({"4C6", RingToneStyle::Natural});
    engine().ringTone = tone;
    for (int16_t loc = 1; loc <= 7; ++loc) {
        EXPECT_EQ(ringtone_upload(loc), PE_OK) << loc;
    }
    EXPECT_EQ(ringtone_upload(8), PE_PAST_END);
    EXPECT_EQ(ringtone_upload(0), PE_BAD_ARGUMENT);
    EXPECT_EQ(ringtone_upload(-1), PE_BAD_ARGUMENT);
    engine().ringTone.entries.assign(131, {"16P", RingToneStyle::Natural});
    EXPECT_EQ(ringtone_upload(1), PE_PHONE_ERROR);  // too long for the phone
    engine().ringTone.entries.clear();
    EXPECT_EQ(ringtone_upload(1), PE_BAD_ARGUMENT);
    engine().ringTone.entries = {{"4C2", RingToneStyle::Natural}};  // the phone has no such note
    EXPECT_EQ(ringtone_upload(1), PE_BAD_ARGUMENT);
    engine().ringTone.entries = {{"4C6", RingToneStyle::Natural}};
    engine().ringTone.tempo = 5;
    EXPECT_EQ(ringtone_upload(1), PE_BAD_ARGUMENT);
}

TEST_F(VirtualPhoneTest, VirtualBuzzerTakesItsTime) {
    EXPECT_EQ(play_tone(15, 880, 5), PE_OK);
    EXPECT_EQ(play_tone(15, 880, 0), PE_OK);
    EXPECT_EQ(play_tone(14, 880, 5), PE_BAD_ARGUMENT);
    EXPECT_EQ(play_tone(15, -1, 5), PE_BAD_ARGUMENT);
    EXPECT_EQ(play_tone(15, 880, -5), PE_BAD_ARGUMENT);
    EXPECT_EQ(play_tone(15, 880, 600000), PE_BAD_ARGUMENT);
}
