#include "fbus/SmsFrame.h"

#include <algorithm>

#include "fbus/FbusReader.h"
#include "fbus/GsmAlphabet.h"

namespace phoneeng::fbus {

namespace {

constexpr uint8_t kInternational = 0x91;
constexpr uint8_t kUnknownType = 0x81;
constexpr size_t kMaxUserData = 140;
constexpr size_t kMaxDigits = 20;

// Where the fields of each layout start.
constexpr size_t kFirstByte = 12;
constexpr size_t kSubmitUdl = 16, kSubmitNumber = 17, kSubmitText = 36;
constexpr size_t kDeliverPid = 13, kDeliverDcs = 14, kDeliverUdl = 15, kDeliverNumber = 16,
                 kDeliverTime = 28, kDeliverText = 35;
constexpr size_t kReportReference = 13, kReportStatus = 14, kReportNumber = 15, kReportSent = 27,
                 kReportDone = 34, kReportEnd = 41;

uint8_t bcd(int value) {
    return static_cast<uint8_t>((value % 10) << 4 | (value / 10 % 10));
}

void putTime(std::vector<uint8_t> &out, size_t at, const PhoneDateTime &t) {
    const uint8_t fields[7] = {bcd(t.year % 100), bcd(t.month),  bcd(t.day), bcd(t.hour),
                               bcd(t.minute),     bcd(t.second), 0x00};
    std::copy(std::begin(fields), std::end(fields), out.begin() + static_cast<std::ptrdiff_t>(at));
}

void putField(std::vector<uint8_t> &out, size_t at, const std::vector<uint8_t> &field) {
    std::copy(field.begin(), field.end(), out.begin() + static_cast<std::ptrdiff_t>(at));
}

// User data for `message`: 7-bit when the alphabet holds the text, else
// 16-bit; binary messages as stored. Sets `dcs` and `udl`.
std::vector<uint8_t> userDataOf(const SmsMessage &message, uint8_t &dcs, uint8_t &udl) {
    std::vector<uint8_t> out;
    dcs = message.smsClass >= 0 && message.smsClass <= 3
              ? static_cast<uint8_t>(0xF0 | message.smsClass)
              : 0x00;
    if (message.encoding == SmsEncoding::Binary) {
        dcs = static_cast<uint8_t>((dcs & 0xF3) | 0x04);
        out.assign(message.userData.begin(),
                   message.userData.begin() + static_cast<std::ptrdiff_t>(
                                                  std::min(message.userData.size(), kMaxUserData)));
        udl = static_cast<uint8_t>(out.size());
        return out;
    }
    if (auto septets = gsmSeptetsOf(message.text);
        septets && message.encoding == SmsEncoding::Text) {
        septets->resize(std::min<size_t>(septets->size(), 160));
        packSeptets(*septets, 0, out);
        udl = static_cast<uint8_t>(septets->size());
        return out;
    }
    dcs = message.smsClass >= 0 && message.smsClass <= 3
              ? static_cast<uint8_t>(0x18 | message.smsClass)
              : 0x08;
    for (size_t i = 0; i < message.text.size() && out.size() + 2 <= kMaxUserData; ++i) {
        out.push_back(static_cast<uint8_t>(message.text[i] >> 8));
        out.push_back(static_cast<uint8_t>(message.text[i] & 0xFF));
    }
    udl = static_cast<uint8_t>(out.size());
    return out;
}

}  // namespace

std::vector<uint8_t> encodeNumber(const std::string &number, bool octetCount) {
    std::string digits;
    for (char c : number) {
        if (c >= '0' && c <= '9' && digits.size() < kMaxDigits) {
            digits.push_back(c);
        }
    }
    std::vector<uint8_t> out;
    const size_t octets = (digits.size() + 1) / 2;
    out.push_back(
        static_cast<uint8_t>(octetCount ? (digits.empty() ? 0 : octets + 1) : digits.size()));
    out.push_back(number.rfind('+', 0) == 0 ? kInternational : kUnknownType);
    for (size_t i = 0; i < digits.size(); i += 2) {
        const uint8_t low = static_cast<uint8_t>(digits[i] - '0');
        const uint8_t high =
            i + 1 < digits.size() ? static_cast<uint8_t>(digits[i + 1] - '0') : 0x0F;
        out.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    return out;
}

std::optional<std::string> decodeNumber(std::span<const uint8_t> bytes, bool octetCount) {
    FbusReader in(bytes);
    const uint8_t length = in.u8();
    const uint8_t type = in.u8();
    if (length == 0) {
        return std::string();
    }
    const size_t octets = octetCount ? length - 1u : (length + 1u) / 2;
    if (octets > kMaxDigits / 2) {
        return std::nullopt;
    }
    const auto digits = in.take(octets);
    if (!in.ok()) {
        return std::nullopt;
    }
    std::string out = (type & 0x70) == 0x10 ? "+" : "";
    for (uint8_t b : digits) {
        for (int nibble : {b & 0x0F, b >> 4}) {
            if (nibble < 10) {
                out.push_back(static_cast<char>('0' + nibble));
            }
        }
    }
    return out;
}

std::optional<SubmitFrame> decodeSubmitFrame(std::span<const uint8_t> frame) {
    if (frame.size() < kSubmitText) {
        return std::nullopt;
    }
    SubmitFrame out;
    SmsSendRequest &r = out.request;
    const auto centre = decodeNumber(frame.subspan(0, kFirstByte), true);
    const auto destination = decodeNumber(frame.subspan(kSubmitNumber, 12), false);
    if (!centre || !destination || destination->empty()) {
        return std::nullopt;
    }
    r.serviceCentre = *centre;
    r.destination = *destination;
    const uint8_t first = frame[kFirstByte];
    out.reference = frame[13];
    r.pid = frame[14];
    r.dcs = frame[15];
    r.deliveryReport = (first & 0x20) != 0;
    const bool header = (first & 0x40) != 0;
    const size_t udl = frame[kSubmitUdl];
    const auto userData = frame.subspan(kSubmitText);
    const bool classGiven = (r.dcs & 0xD0) == 0x10 || (r.dcs & 0xF0) == 0xF0;
    r.smsClass = classGiven ? (r.dcs & 0x03) : 1;
    const uint8_t alphabet = (r.dcs & 0xF0) == 0xF0 ? (r.dcs & 0x04) : (r.dcs & 0x0C);
    const size_t headerOctets = header && !userData.empty() ? userData[0] + 1u : 0;
    if (alphabet == 0x00) {
        const size_t first7 = (headerOctets * 8 + 6) / 7;
        if (udl < first7) {
            return std::nullopt;
        }
        const auto septets = unpackSeptets(userData, first7, udl - first7);
        if (!septets) {
            return std::nullopt;
        }
        r.encoding = SmsEncoding::Text;
        r.text = textOfGsmSeptets(*septets);
        return out;
    }
    if (udl > userData.size() || udl < headerOctets) {
        return std::nullopt;
    }
    if (alphabet == 0x08) {
        r.encoding = SmsEncoding::Unicode;
        for (size_t i = headerOctets; i + 1 < udl; i += 2) {
            r.text.push_back(static_cast<char16_t>(userData[i] << 8 | userData[i + 1]));
        }
        return out;
    }
    r.encoding = SmsEncoding::Binary;
    r.partsHaveHeader = header;
    r.parts.emplace_back(userData.begin(), userData.begin() + static_cast<std::ptrdiff_t>(udl));
    return out;
}

std::vector<uint8_t> encodeStoredFrame(const SmsMessage &message) {
    std::vector<uint8_t> out(kDeliverText, 0);
    putField(out, 0, encodeNumber(message.smsc, true));
    if (message.box == SmsBox::Reports) {
        out.resize(kReportEnd, 0);
        out[kFirstByte] = 0x02;
        out[kReportReference] = static_cast<uint8_t>(message.reference);
        out[kReportStatus] = 0x00;  // delivered
        putField(out, kReportNumber, encodeNumber(message.sender, false));
        putTime(out, kReportSent, message.time);
        putTime(out, kReportDone, message.time);
        return out;
    }
    uint8_t dcs = 0;
    uint8_t udl = 0;
    const auto userData = userDataOf(message, dcs, udl);
    // Binary messages are smart messages: their user data opens with a header.
    const bool header = message.encoding == SmsEncoding::Binary && !message.userData.empty() &&
                        message.userData[0] < message.userData.size();
    if (message.box == SmsBox::Outbox) {
        out.resize(kSubmitText, 0);
        out[kFirstByte] = static_cast<uint8_t>(0x01 | (header ? 0x40 : 0x00));
        out[13] = static_cast<uint8_t>(message.reference);
        out[14] = message.pid;
        out[15] = dcs;
        out[kSubmitUdl] = udl;
        putField(out, kSubmitNumber, encodeNumber(message.destination, false));
    } else {
        out[kFirstByte] = static_cast<uint8_t>(header ? 0x40 : 0x00);
        out[kDeliverPid] = message.pid;
        out[kDeliverDcs] = dcs;
        out[kDeliverUdl] = udl;
        putField(out, kDeliverNumber, encodeNumber(message.sender, false));
        putTime(out, kDeliverTime, message.time);
    }
    out.insert(out.end(), userData.begin(), userData.end());
    return out;
}

}  // namespace phoneeng::fbus
