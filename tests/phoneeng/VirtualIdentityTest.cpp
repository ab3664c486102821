#include "VirtualTestSupport.h"

using namespace phoneeng;
using virtualtest::textOf;
using virtualtest::VirtualPhoneTest;

namespace {

std::vector<std::string> fields(const std::string &text, char sep) {
    std::vector<std::string> out(1);
    for (char c : text) {
        if (c == sep) {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

}  // namespace

TEST_F(VirtualPhoneTest, VirtualIdentityTextsFollowTheirFormats) {
    const std::string imei = textOf(getimei);
    ASSERT_EQ(imei.size(), 15u);
    int sum = 0;  // Luhn check digit
    for (size_t i = 0; i < 15; ++i) {
        int d = imei[14 - i] - '0';
        ASSERT_TRUE(d >= 0 && d <= 9);
        if (i % 2 == 1) {
            d = d * 2 > 9 ? d * 2 - 9 : d * 2;
        }
        sum += d;
    }
    EXPECT_EQ(sum % 10, 0);

    const auto model = fields(textOf(lookupmodel), '\t');
    ASSERT_EQ(model.size(), 3u);
    EXPECT_EQ(model[0], textOf(getmodel));
    EXPECT_FALSE(model[1].empty());
    EXPECT_FALSE(model[2].empty());

    // "V " + software + ",HW:" + hardware: the control takes the software from
    // the 3rd character of field 0 and the hardware from the 4th of field 1.
    const auto rev = fields(textOf(getrevision), ',');
    ASSERT_EQ(rev.size(), 2u);
    EXPECT_EQ(rev[0].substr(0, 2), "V ");
    EXPECT_EQ(rev[1].substr(0, 3), "HW:");
    EXPECT_GT(rev[0].size(), 2u);
    EXPECT_GT(rev[1].size(), 3u);

    const auto date = fields(textOf(getswdate), '-');
    ASSERT_EQ(date.size(), 3u);
    const int day = std::stoi(date[0]), month = std::stoi(date[1]);
    EXPECT_TRUE(day >= 1 && day <= 31 && month >= 1 && month <= 12);
    EXPECT_EQ(date[2].size(), 2u);

    const std::string caps = textOf(getmodelcapabilities);
    for (char c : std::string("OCPSR")) {
        EXPECT_NE(caps.find(c), std::string::npos) << c;
    }
}

TEST_F(VirtualPhoneTest, VirtualNetworkFieldsAndTheirSkipping) {
    const auto net = fields(textOf(lookupnetwork), '\t');
    ASSERT_EQ(net.size(), 3u);
    EXPECT_FALSE(net[0].empty());
    EXPECT_FALSE(net[1].empty());
    EXPECT_EQ(net[2].front(), '+');

    char code[64], cell[64], area[64];
    ASSERT_EQ(getnetworkinfo(code, 64, cell, 64, area, 64), PE_OK);
    EXPECT_EQ(std::string(code).size(), 6u);
    EXPECT_EQ(std::string(code)[3], ' ');
    EXPECT_EQ(std::string(cell).find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_EQ(std::string(area).find_first_not_of("0123456789ABCDEF"), std::string::npos);

    // A length of 0 means "not wanted": the pointer is not even looked at.
    char only[64];
    ASSERT_EQ(getnetworkinfo(nullptr, 0, only, 64, const_cast<char *>("1"), 0), PE_OK);
    EXPECT_STREQ(only, cell);
    EXPECT_EQ(getnetworkinfo(nullptr, 64, nullptr, 0, nullptr, 0), PE_BAD_ARGUMENT);
    EXPECT_EQ(getnetworkinfo(code, -1, nullptr, 0, nullptr, 0), PE_BAD_ARGUMENT);

    int32_t rf = -1, battery = -1;
    ASSERT_EQ(getrflevel(&rf), PE_OK);
    ASSERT_EQ(getbatterylevel(&battery), PE_OK);
    EXPECT_TRUE(rf >= 0 && rf <= 100);
    EXPECT_TRUE(battery >= 0 && battery <= 100);
    EXPECT_EQ(getrflevel(nullptr), PE_OK);
    EXPECT_NE(uses_acdc_power(), 0);
}

TEST_F(VirtualPhoneTest, VirtualTextBuffersAreNeverOverrun) {
    // Guard bytes around a buffer that is too small for the text.
    for (int32_t len : {1, 2, 5}) {
        std::vector<char> buf(static_cast<size_t>(len) + 8, '#');
        ASSERT_EQ(lookupmodel(buf.data() + 4, len), PE_OK);
        EXPECT_EQ(std::string(buf.data() + 4).size(), static_cast<size_t>(len - 1));
        EXPECT_EQ(std::string(buf.data(), 4), "####");
        EXPECT_EQ(std::string(buf.data() + 4 + len, 4), "####");
    }
    char buf[8];
    EXPECT_EQ(getimei(nullptr, 8), PE_BAD_ARGUMENT);
    EXPECT_EQ(getimei(buf, 0), PE_BAD_ARGUMENT);
    EXPECT_EQ(getimei(buf, -5), PE_BAD_ARGUMENT);
    EXPECT_EQ(getdisplaystatus(nullptr, 32), PE_BAD_ARGUMENT);
}
