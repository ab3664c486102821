#include <algorithm>
#include <random>

#include "LogoTestSupport.h"
#include "VirtualTestSupport.h"
#include "phone/SmartMessage.h"

using namespace phoneeng;
using virtualtest::messageText16;
using virtualtest::VirtualPhoneTest;

namespace {

constexpr const char *kOwn = "+15555550123";
constexpr const char *kOther = "+15555550999";

std::vector<uint8_t> bytes(std::initializer_list<uint8_t> head, size_t zeros = 0,
                           std::initializer_list<uint8_t> tail = {}) {
    std::vector<uint8_t> out(head);
    out.insert(out.end(), zeros, 0x00);
    out.insert(out.end(), tail);
    return out;
}

// The user data of outbox message n, from its hexadecimal text.
std::vector<uint8_t> outboxUserData(int32_t n) {
    EXPECT_EQ(getsmsmsgdata(PE_BOX_OUTBOX, n, PE_SMSFIELD_ENCODING, nullptr, 0), 2);
    std::string hex;
    for (char16_t c : messageText16(PE_BOX_OUTBOX, n)) {
        hex.push_back(static_cast<char>(c));
    }
    auto data = bytesOfHex(hex);
    EXPECT_TRUE(data.has_value());
    return data.value_or(std::vector<uint8_t>{});
}

void setLogo(const Logo &logo) {
    engine().logo = logo;
}

}  // namespace

TEST(SmartMessageNetworkCode, PacksDigitsAsTheExamplesShow) {
    EXPECT_EQ(smartmessage::networkCodeBytes("244 05"), (std::array<uint8_t, 3>{0x42, 0xF4, 0x50}));
    EXPECT_EQ(smartmessage::networkCodeBytes("234 10"), (std::array<uint8_t, 3>{0x32, 0xF4, 0x01}));
    EXPECT_FALSE(smartmessage::networkCodeBytes(""));
    EXPECT_FALSE(smartmessage::networkCodeBytes("310 260"));  // no room for a third MNC digit
    EXPECT_FALSE(smartmessage::networkCodeBytes("abc"));
    const uint8_t packed[] = {0x42, 0xF4, 0x50};
    EXPECT_EQ(smartmessage::networkCodeText(packed), "244 05");
    const uint8_t bad[] = {0x4A, 0xF4, 0x50};
    EXPECT_FALSE(smartmessage::networkCodeText(bad));
}

TEST(SmartMessageParts, SplitsAtOneHundredFortyBytesAndJoinsInAnyOrder) {
    std::vector<uint8_t> payload(300);
    std::mt19937 rng(7);
    std::generate(payload.begin(), payload.end(), [&] { return static_cast<uint8_t>(rng()); });

    const auto single = smartmessage::userDataParts(0x1583, std::span(payload).first(133), 9);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].size(), 140u);
    EXPECT_EQ(std::vector<uint8_t>(single[0].begin(), single[0].begin() + 7),
              bytes({0x06, 0x05, 0x04, 0x15, 0x83, 0x00, 0x00}));

    auto parts = smartmessage::userDataParts(0x158A, payload, 0x2C);
    ASSERT_EQ(parts.size(), 3u);  // 128 bytes of payload per part
    for (size_t k = 0; k < parts.size(); ++k) {
        EXPECT_LE(parts[k].size(), 140u);
        EXPECT_EQ(std::vector<uint8_t>(parts[k].begin(), parts[k].begin() + 12),
                  bytes({0x0B, 0x05, 0x04, 0x15, 0x8A, 0x00, 0x00, 0x00, 0x03, 0x2C, 0x03,
                         static_cast<uint8_t>(k + 1)}));
    }
    std::swap(parts[0], parts[2]);
    const auto joined = smartmessage::joinParts(parts);
    ASSERT_TRUE(joined);
    EXPECT_EQ(joined->first, 0x158A);
    EXPECT_EQ(joined->second, payload);

    parts.pop_back();
    EXPECT_FALSE(smartmessage::joinParts(parts));  // a part is missing
    parts.push_back(parts[0]);
    EXPECT_FALSE(smartmessage::joinParts(parts));  // a part twice
    EXPECT_TRUE(smartmessage::userDataParts(0x1581, std::vector<uint8_t>(128 * 256), 1).empty());
}

TEST(SmartMessageParts, RefusesBrokenHeaders) {
    EXPECT_FALSE(smartmessage::parsePart(bytes({})));
    EXPECT_FALSE(smartmessage::parsePart(bytes({0x06, 0x05, 0x04, 0x15})));        // cut short
    EXPECT_FALSE(smartmessage::parsePart(bytes({0x03, 0x00, 0x01, 0x02, 0x41})));  // no port
    EXPECT_FALSE(smartmessage::parsePart(
        bytes({0x0B, 0x05, 0x04, 0x15, 0x82, 0x00, 0x00, 0x00, 0x03, 0x01, 0x02, 0x03})));
    const auto eightBitPorts = smartmessage::parsePart(bytes({0x04, 0x04, 0x02, 0x82, 0x00, 0x41}));
    ASSERT_TRUE(eightBitPorts);
    EXPECT_EQ(eightBitPorts->port, 0x82);
    EXPECT_EQ(eightBitPorts->headerLength, 5u);
}

TEST(SmartMessageLogo, ReadsBothOperatorFormsAndVersionedCallerLogos) {
    const auto ota = bytes({0x00, 0x48, 0x0E, 0x01, 0x80}, 125);
    auto compact = bytes({0x42, 0xF4, 0x50});
    compact.insert(compact.end(), ota.begin(), ota.end());
    auto full = bytes({0x30, 0x42, 0xF4, 0x50, 0x0A});
    full.insert(full.end(), ota.begin(), ota.end());
    for (const auto &payload : {compact, full}) {
        const auto logo = smartmessage::decodeLogo(smartmessage::kPortOperatorLogo, payload);
        ASSERT_TRUE(logo);
        EXPECT_EQ(logo->type(), LogoType::Operator);
        EXPECT_EQ(logo->netCode, "244 05");
        EXPECT_TRUE(logo->pixel(0, 0));
        EXPECT_FALSE(logo->pixel(1, 0));
    }
    auto versioned = bytes({0x30});
    versioned.insert(versioned.end(), ota.begin(), ota.end());
    for (const auto &payload : {ota, versioned}) {
        const auto logo = smartmessage::decodeLogo(smartmessage::kPortCallerLogo, payload);
        ASSERT_TRUE(logo);
        EXPECT_EQ(logo->type(), LogoType::Caller);
        EXPECT_TRUE(logo->pixel(0, 0));
    }
    EXPECT_FALSE(smartmessage::decodeLogo(smartmessage::kPortOperatorLogo, bytes({0x42, 0xF4})));
    EXPECT_FALSE(smartmessage::decodeLogo(smartmessage::kPortPicture,
                                          bytes({0x30, 0x00, 0x00, 0x02, 0x48})));
    EXPECT_FALSE(smartmessage::decodeLogo(smartmessage::kPortRingTone, ota));
}

TEST(SmartMessageLogo, PictureTextOfOddUcs2LengthIsIgnored) {
    const auto bitmapItem = bytes({0x02, 0x01, 0x00, 0x00, 0x48, 0x1C, 0x01}, 252);
    for (const auto &[item, text] : {std::pair{bytes({0x01, 0x00, 0x02, 0x00, 0x41}), u"A"},
                                     {bytes({0x01, 0x00, 0x03, 0x00, 0x41, 0x00}), u""}}) {
        auto payload = bytes({0x30});
        payload.insert(payload.end(), item.begin(), item.end());
        payload.insert(payload.end(), bitmapItem.begin(), bitmapItem.end());
        const auto logo = smartmessage::decodeLogo(smartmessage::kPortPicture, payload);
        ASSERT_TRUE(logo);
        EXPECT_EQ(logo->message, std::u16string(text));
    }
}

TEST_F(VirtualPhoneTest, SmartMessageOperatorLogoBytesMatchTheExample) {
    Logo logo = logotest::logoWith(LogoType::Operator, {{0, 0}});
    logo.netCode = "244 05";
    setLogo(logo);
    ASSERT_EQ(sendoplogoviasms(kOther), PE_OK);
    ASSERT_EQ(getsmsmsgcount(PE_BOX_OUTBOX), 1);
    EXPECT_EQ(outboxUserData(1), bytes({0x06, 0x05, 0x04, 0x15, 0x82, 0x00, 0x00, 0x42, 0xF4, 0x50,
                                        0x00, 0x48, 0x0E, 0x01, 0x80},
                                       125));
}

TEST_F(VirtualPhoneTest, SmartMessageCallerLogoBytesMatchTheExample) {
    setLogo(logotest::logoWith(LogoType::Caller, {{0, 0}}));
    ASSERT_EQ(sendoplogoviasms(kOther), PE_OK);
    EXPECT_EQ(outboxUserData(1),
              bytes({0x06, 0x05, 0x04, 0x15, 0x83, 0x00, 0x00, 0x00, 0x48, 0x0E, 0x01, 0x80}, 125));
}

TEST_F(VirtualPhoneTest, SmartMessagePictureGoesInThreePartsWithItsText) {
    Logo logo = logotest::logoWith(LogoType::Picture, {{0, 0}});
    logo.message = u"Hi";
    setLogo(logo);
    ASSERT_EQ(sendoplogoviasms(kOther), PE_OK);
    ASSERT_EQ(getsmsmsgcount(PE_BOX_OUTBOX), 3);
    std::vector<std::vector<uint8_t>> parts;
    for (int32_t n = 1; n <= 3; ++n) {
        parts.push_back(outboxUserData(n));
        EXPECT_EQ(parts.back()[0], 0x0B);
        EXPECT_EQ(parts.back()[10], 3);
        EXPECT_EQ(parts.back()[11], n);
    }
    const auto joined = smartmessage::joinParts(parts);
    ASSERT_TRUE(joined);
    EXPECT_EQ(joined->first, smartmessage::kPortPicture);
    EXPECT_EQ(joined->second, bytes({0x30, 0x02, 0x01, 0x00, 0x00, 0x48, 0x1C, 0x01, 0x80}, 251,
                                    {0x00, 0x00, 0x02, 0x48, 0x69}));
}

TEST_F(VirtualPhoneTest, SmartMessageRingToneBytesMatchTheExampleOthersAreRefused) {
    // RTTTL "Test:d=4,o=5,b=63:a" in continuous style.
    RingTone tone;
    tone.name = "Test";
    tone.tempo = 63;
    tone.initialStyle = RingToneStyle::Continuous;
    tone.entries.push_back({"4A6", RingToneStyle::Continuous});
    engine().ringTone = tone;
    ASSERT_EQ(ringtone_sendsms(kOther), PE_OK);
    EXPECT_EQ(outboxUserData(1),
              bytes({0x06, 0x05, 0x04, 0x15, 0x81, 0x00, 0x00, 0x02, 0x4A, 0x3A, 0x51, 0x51,
                     0x95, 0xCD, 0xD0, 0x04, 0x00, 0x08, 0xD8, 0x84, 0x9A, 0x40, 0x00}));
    EXPECT_EQ(ringtone_sendsms(""), PE_BAD_ARGUMENT);
    engine().ringTone.entries = {{"4C2", RingToneStyle::Natural}};  // below the binary's scales
    EXPECT_EQ(ringtone_sendsms(kOther), PE_BAD_ARGUMENT);
    EXPECT_EQ(getsmsmsgcount(PE_BOX_OUTBOX), 1);
}

TEST_F(VirtualPhoneTest, SmartMessageStartupAndEmptyLogosAreRefused) {
    setLogo(logotest::logoWith(LogoType::Startup, {{0, 0}}));
    EXPECT_EQ(sendoplogoviasms(kOther), PE_NOT_SUPPORTED);
    setLogo(Logo{});
    EXPECT_EQ(sendoplogoviasms(kOther), PE_BAD_ARGUMENT);
    Logo op = logotest::logoWith(LogoType::Operator, {});
    op.netCode = "";
    setLogo(op);
    EXPECT_EQ(sendoplogoviasms(kOther), PE_BAD_ARGUMENT);  // no network code to send
    setLogo(logotest::logoWith(LogoType::Caller, {}));
    EXPECT_EQ(sendoplogoviasms("not a number"), PE_BAD_ARGUMENT);
    EXPECT_EQ(sendoplogoviasms(nullptr), PE_BAD_ARGUMENT);
    EXPECT_EQ(getsmsmsgcount(PE_BOX_OUTBOX), 0);
    EXPECT_EQ(logo_sendsiemensota(kOther, 1, 1), PE_NOT_SUPPORTED);
}

TEST_F(VirtualPhoneTest, SmartMessageToSelfArrivesAsAnIncomingLogo) {
    EXPECT_EQ(logo_getlastreceived(), 0);
    for (LogoType type : {LogoType::Operator, LogoType::Caller, LogoType::Picture}) {
        Logo sent = logotest::randomLogo(type, 11);
        if (type == LogoType::Operator) {
            sent.netCode = "234 10";
        }
        if (type == LogoType::Picture) {
            sent.message = u"Gr\u00fc\u00dfe \u263a";
            sent.messageUnicode = true;
        }
        setLogo(sent);
        ASSERT_EQ(sendoplogoviasms(kOwn), PE_OK);
        EXPECT_EQ(bitmap_received(), 1);
        EXPECT_EQ(bitmap_received(), 0);   // once per logo
        EXPECT_EQ(smsreceivedcount(), 0);  // a logo is no inbox message

        setLogo(Logo{});
        ASSERT_EQ(logo_getlastreceived(), 1);
        const Logo &got = engine().logo;
        EXPECT_EQ(got.type(), type);
        EXPECT_EQ(got.bitmap(), sent.bitmap());
        EXPECT_TRUE(engine().lastReceivedLoaded);
        if (type == LogoType::Operator) {
            EXPECT_EQ(got.netCode, "234 10");
        }
        if (type == LogoType::Picture) {
            EXPECT_EQ(got.message, sent.message);
        }
    }
}

TEST_F(VirtualPhoneTest, SmartMessageRingToneToSelfLandsInTheInbox) {
    RingTone tone;
    tone.name = "Self";
    tone.entries.push_back({"8C6", RingToneStyle::Natural});
    engine().ringTone = tone;
    const int16_t before = getsmsmsgcount(PE_BOX_INBOX);
    ASSERT_EQ(ringtone_sendsms(kOwn), PE_OK);
    EXPECT_EQ(getsmsmsgcount(PE_BOX_INBOX), before + 1);
    EXPECT_EQ(getsmsmsgdata(PE_BOX_INBOX, before + 1, PE_SMSFIELD_ENCODING, nullptr, 0), 2);
    EXPECT_EQ(smsreceivedcount(), 1);
    EXPECT_EQ(bitmap_received(), 0);
}
