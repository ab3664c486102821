#include "fbus/FbusLogoHandler.h"

#include "fbus/FbusBitmaps.h"
#include "fbus/FbusReader.h"
#include "logo/ByteIo.h"
#include "phone/TextCodec.h"
#include "ringtone/RingToneBinary.h"

namespace phoneeng::fbus {

namespace {

constexpr uint8_t kBlockStartupLogo = 0x01;
constexpr uint8_t kBlockWelcomeText = 0x02;
constexpr uint8_t kBlockDealerText = 0x03;
constexpr uint8_t kErrorLocation = 0x7D;

// A stored logo of `type`, or a clear one of the type's size when none is.
Logo storedOrClear(Phone &phone, LogoType type, int32_t location, int16_t &result) {
    Logo logo;
    logo.groupNumber = location;
    result = phone.downloadLogo(static_cast<int32_t>(type), logo);
    if (result != PE_OK) {
        logo = Logo();
        logo.setType(type);
        logo.groupNumber = location;
    }
    return logo;
}

}  // namespace

void FbusLogoHandler::handle(const FbusMessage &request, FbusContext &context,
                             std::vector<FbusMessage> &replies) {
    Phone &phone = context.phone;
    const int subtype = subtypeOf(request);
    if (request.type == 0x47) {
        if (subtype == 0x01) {
            replies.push_back(readPicture(request, phone));
        } else if (subtype == 0x03) {
            replies.push_back(writePicture(request, phone));
        }
        return;
    }
    switch (subtype) {
        case 0x10:  // profile feature set: profiles are not kept
            replies.push_back(reply(0x05, 0x12, {}));
            return;
        case 0x13:  // profile feature (the phone's language among them): none kept
            replies.push_back(reply(0x05, 0x15, {}));
            return;
        case 0x16:
            replies.push_back(readStartup(phone));
            return;
        case 0x18:
            replies.push_back(writeStartup(request, phone));
            return;
        case 0x30:
            replies.push_back(writeOperator(request, phone));
            return;
        case 0x33:
            replies.push_back(readOperator(phone));
            return;
        case 0x36:
            replies.push_back(writeRingTone(request, phone));
            return;
        default:
            return;
    }
}

FbusMessage FbusLogoHandler::readStartup(Phone &phone) {
    int16_t result = PE_OK;
    const Logo logo = storedOrClear(phone, LogoType::Startup, 0, result);
    // Two blocks: the logo (height, width, bands) and the welcome text.
    std::vector<uint8_t> data{0x02, kBlockStartupLogo, static_cast<uint8_t>(logo.height()),
                              static_cast<uint8_t>(logo.width())};
    const auto bands = packBands(logo.bitmap());
    data.insert(data.end(), bands.begin(), bands.end());
    data.push_back(kBlockWelcomeText);
    data.push_back(0x00);
    return reply(0x05, 0x17, data);
}

FbusMessage FbusLogoHandler::writeStartup(const FbusMessage &request, Phone &phone) {
    FbusReader in(request.body, 4);
    const uint8_t blocks = in.u8();
    for (uint8_t i = 0; i < blocks && in.ok(); ++i) {
        const uint8_t block = in.u8();
        if (block == kBlockStartupLogo) {
            const int height = in.u8();
            const int width = in.u8();
            Logo logo;
            logo.setType(LogoType::Startup);
            const auto bitmap =
                unpackBands(in.take(static_cast<size_t>((height + 7) / 8) * width), width, height);
            if (!in.ok() || !bitmap || width != logo.width() || height != logo.height()) {
                return reply(0x05, 0x1A, {});
            }
            logo.setBitmap(*bitmap);
            if (phone.uploadLogo(logo) != PE_OK) {
                return reply(0x05, 0x1A, {});
            }
        } else if (block == kBlockWelcomeText || block == kBlockDealerText) {
            const std::string text = in.text(in.u8());
            if (in.ok() && block == kBlockWelcomeText && phone.setStartupText(text) != PE_OK) {
                return reply(0x05, 0x1A, {});
            }
        } else {
            return reply(0x05, 0x1A, {});
        }
    }
    return in.ok() ? reply(0x05, 0x19, {}) : reply(0x05, 0x1A, {});
}

FbusMessage FbusLogoHandler::readOperator(Phone &phone) {
    int16_t result = PE_OK;
    const Logo logo = storedOrClear(phone, LogoType::Operator, 0, result);
    std::vector<uint8_t> data{0x01};
    const auto code = encodeNetworkCode(logo.netCode);
    data.insert(data.end(), code.begin(), code.end());
    putRowsBlock(data, logo);
    return reply(0x05, 0x34, data);
}

FbusMessage FbusLogoHandler::writeOperator(const FbusMessage &request, Phone &phone) {
    // 00 01 00 30 01, network code (3), size, 00, width, height, 01, rows
    FbusReader in(request.body, 5);
    const auto code = in.take(3);
    in.skip(2);
    Logo logo;
    logo.setType(LogoType::Operator);
    if (!in.ok() || !readRows(in, logo)) {
        return reply(0x05, 0x32, {0x00});
    }
    logo.netCode = decodeNetworkCode(std::span<const uint8_t, 3>(code.data(), 3));
    return phone.uploadLogo(logo) == PE_OK ? reply(0x05, 0x31, {})
                                           : reply(0x05, 0x32, {kErrorLocation});
}

FbusMessage FbusLogoHandler::writeRingTone(const FbusMessage &request, Phone &phone) {
    // 00 01 00 36, location from 0, 00 78, then the ring tone binary
    FbusReader in(request.body, 4);
    const int32_t location = in.u8() + 1;
    in.skip(2);
    const auto binary = in.take(in.left());
    RingTone tone;
    if (!in.ok() || decodeRingToneBinary(binary, tone) != PE_OK) {
        return reply(0x05, 0x38, {0x00});
    }
    const int16_t result = phone.uploadRingTone(location, tone);
    if (result == PE_OK) {
        return reply(0x05, 0x37, {});
    }
    return reply(0x05, 0x38, {static_cast<uint8_t>(result == PE_PAST_END ? kErrorLocation : 0x00)});
}

FbusMessage FbusLogoHandler::readPicture(const FbusMessage &request, Phone &phone) {
    FbusReader in(request.body, 4);
    const uint8_t location = in.u8();
    int16_t result = PE_OK;
    const Logo logo = storedOrClear(phone, LogoType::Picture, location, result);
    if (!in.ok() || (result != PE_OK && result != PE_EMPTY)) {
        return reply(0x47, 0x06, {});
    }
    const std::string text = latin1From(logo.message).value_or("");
    // location, no sender (00 00), 00, text, width, height, 00 01, rows
    std::vector<uint8_t> data{location, 0x00, 0x00, 0x00};
    const std::string cut = text.substr(0, 0xFF);
    data.push_back(static_cast<uint8_t>(cut.size()));
    bytes::putText(data, cut);
    const auto rows = packRows(logo.bitmap());
    data.insert(data.end(), {static_cast<uint8_t>(logo.width()),
                             static_cast<uint8_t>(logo.height()), 0x00, 0x01});
    data.insert(data.end(), rows.begin(), rows.end());
    return reply(0x47, 0x02, data);
}

FbusMessage FbusLogoHandler::writePicture(const FbusMessage &request, Phone &phone) {
    // 00 01 00 03, location, sender (00 00, or digit count, type, digits),
    // 00, text length, text, 00, width, height, 01, rows
    FbusReader in(request.body, 4);
    Logo logo;
    logo.setType(LogoType::Picture);
    logo.groupNumber = in.u8();
    const uint8_t senderDigits = in.u8();
    in.skip(senderDigits == 0 ? 1 : 1 + (senderDigits + 1) / 2);
    in.skip(1);
    logo.message = utf16FromLatin1(in.text(in.u8()));
    if (!in.ok() || !readRows(in, logo)) {
        return reply(0x47, 0x05, {});
    }
    return phone.uploadLogo(logo) == PE_OK ? reply(0x47, 0x04, {}) : reply(0x47, 0x05, {});
}

}  // namespace phoneeng::fbus
