#include "fbus/FbusIdentityHandler.h"

#include <string>

#include "fbus/FbusCallHandler.h"
#include "fbus/FbusReader.h"
#include "logo/ByteIo.h"

namespace phoneeng::fbus {

namespace {

// "V 04.20,HW:0101" -> "04.20" and "0101".
void splitRevision(const std::string &revision, std::string &software, std::string &hardware) {
    std::string rest = revision.rfind("V ", 0) == 0 ? revision.substr(2) : revision;
    const auto comma = rest.find(",HW:");
    software = rest.substr(0, comma);
    hardware = comma == std::string::npos ? "" : rest.substr(comma + 4);
}

// An answer of type 0x40: 0x01 0x08, the request's subtype, then `data`
// (strings end with a NUL).
FbusMessage extendedReply(uint8_t subtype, std::initializer_list<uint8_t> head,
                          const std::string &text = "", bool withText = false) {
    FbusMessage m{0x40, {0x01, 0x08, subtype}};
    m.body.insert(m.body.end(), head.begin(), head.end());
    if (withText) {
        bytes::putText(m.body, text);
        m.body.push_back(0x00);
    }
    return m;
}

}  // namespace

void FbusIdentityHandler::handle(const FbusMessage &request, FbusContext &context,
                                 std::vector<FbusMessage> &replies) {
    if (request.type == 0x40) {
        extended(request, context, replies);
        return;
    }
    // Key presses: 00 01 46 (press) or 47 (release), 00 01, the key code;
    // a press counts, its release is only acknowledged.
    const int keySubtype = subtypeOf(request, 2);
    if (keySubtype == 0x46 || keySubtype == 0x47) {
        const char key = request.body.size() > 5 ? keyOfCode(request.body[5]) : 0;
        if (keySubtype == 0x46 && key != 0) {
            context.phone.pressKeys(std::string(1, key));
        }
        replies.push_back(FbusMessage{0xD2, {0x01, 0x00, static_cast<uint8_t>(keySubtype)}});
        return;
    }
    // Model and firmware: 01 00 00 (the third byte tells this answer from a
    // key press's), then lines split at blanks and newlines, the second to
    // fourth being version, date and model.
    const PhoneIdentity id = context.phone.identity();
    std::string software;
    std::string hardware;
    splitRevision(id.revision, software, hardware);
    FbusMessage m{0xD2, {0x01, 0x00, 0x00}};
    bytes::putText(m.body, "V " + software + "\n" + id.softwareDate + "\n" + kModelCode + "\n");
    replies.push_back(std::move(m));
}

void FbusIdentityHandler::extended(const FbusMessage &request, FbusContext &context,
                                   std::vector<FbusMessage> &replies) {
    FbusReader in(request.body, 2);
    const uint8_t subtype = in.u8();
    const uint8_t argument = in.u8();
    if (!in.ok()) {
        return;
    }
    Phone &phone = context.phone;
    const PhoneIdentity id = phone.identity();
    std::string software;
    std::string hardware;
    splitRevision(id.revision, software, hardware);
    switch (subtype) {
        case 0x64:  // security commands on/off (1/0), soft (3) and hard (4) reset
            if (argument == 0x03 || argument == 0x04) {
                phone.reset(argument == 0x03 ? "soft" : "hard");
            }
            replies.push_back(extendedReply(subtype, {argument}));
            return;
        case 0x65:  // phone settings back to factory values: nothing is kept apart
            replies.push_back(extendedReply(subtype, {argument}));
            return;
        case 0x66:
            replies.push_back(extendedReply(subtype, {0x00}, id.imei, true));
            return;
        case 0xC8: {  // 0x05 hardware, 0x12 language pack, 0x02 MCU checksum, 0x09 DSP ROM
            const std::string value = argument == 0x05   ? hardware
                                      : argument == 0x02 ? std::string("4C2A")
                                                         : std::string("A");
            replies.push_back(extendedReply(subtype, {argument, 0x00}, value, true));
            return;
        }
        case 0x8A:  // SIM locks: four of them, all open, no codes
            replies.push_back(FbusMessage{0x40, std::vector<uint8_t>(32, 0x00)});
            replies.back().body[0] = 0x01;
            replies.back().body[1] = 0x08;
            replies.back().body[2] = subtype;
            return;
        case 0xB4:  // the mobile station's identity (answered as 0xB5): 13 bytes from [5]
            replies.push_back(
                extendedReply(0xB5, {argument, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                     0x00, 0x00, 0x00, 0x00, 0x00}));
            return;
        case 0xCA:  // product code
            replies.push_back(extendedReply(subtype, {argument, 0x00}, "0501234", true));
            return;
        case 0xCC:  // 0x01 the IMEI made at the factory, 0x02 the month it was made
            replies.push_back(extendedReply(subtype, {argument, 0x00},
                                            argument == 0x01 ? id.imei : "06/2000", true));
            return;
        case 0x7C: {  // call commands: 1 dial the number that follows, 2 answer, 3 hang up
            int16_t code = PE_BAD_ARGUMENT;
            if (argument == 0x01) {
                std::string number;
                while (in.left() > 0) {
                    const uint8_t c = in.u8();
                    if (c == 0) {
                        break;
                    }
                    number.push_back(static_cast<char>(c));
                }
                code = phone.dial(number);
            } else if (argument == 0x02) {
                code = phone.answer();
            } else if (argument == 0x03) {
                code = phone.hangUp();
            }
            replies.push_back(
                extendedReply(subtype, {argument, code == PE_OK ? uint8_t{0} : uint8_t{1}}));
            return;
        }
        case 0x8F: {  // tone: volume, then the frequency in Hz (big-endian); 0 is silence
            const uint16_t hertz = in.u16();
            if (in.ok()) {
                if (hertz == 0) {
                    phone.stopTone();
                } else {
                    phone.startTone(hertz);
                }
            }
            replies.push_back(extendedReply(subtype, {}));
            return;
        }
        default:
            return;
    }
}

}  // namespace phoneeng::fbus
