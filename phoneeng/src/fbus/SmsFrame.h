// The phone's SMS frames: a GSM 03.40 message laid out at fixed offsets.
//   submit (computer to phone): 0 centre, 12 first byte, 13 reference,
//     14 PID, 15 DCS, 16 UDL, 17 destination, 29 validity, 36 user data;
//   deliver (stored or arriving): 0 centre, 12 first byte, 13 PID, 14 DCS,
//     15 UDL, 16 sender, 28 time stamp (7), 35 user data;
//   status report: 0 centre, 12 first byte, 13 reference, 14 status,
//     15 recipient, 27 time sent (7), 34 time delivered (7).
// A centre number is counted in octets (type included), the others in
// digits; digits are BCD, low nibble first, 0xF filling an odd count.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "phone/Phone.h"
#include "phone/PhoneTypes.h"

namespace phoneeng::fbus {

struct SubmitFrame {
    SmsSendRequest request;
    uint8_t reference = 0;
};

// nullopt for a frame cut short or with a length beyond its field.
std::optional<SubmitFrame> decodeSubmitFrame(std::span<const uint8_t> frame);

// The frame of a stored message: deliver for the inbox, submit for the
// outbox, status report for reports. Texts longer than one message are cut
// to what one holds.
std::vector<uint8_t> encodeStoredFrame(const SmsMessage &message);

// Number fields: `octetCount` true for a centre number.
std::vector<uint8_t> encodeNumber(const std::string &number, bool octetCount);
// nullopt when the field overruns `bytes`.
std::optional<std::string> decodeNumber(std::span<const uint8_t> bytes, bool octetCount);

}  // namespace phoneeng::fbus
