#include "phone/SmartMessage.h"

#include <algorithm>
#include <map>

#include "logo/NetCode.h"
#include "logo/OtaBitmap.h"
#include "phone/LogoMemory.h"
#include "phone/TextCodec.h"
#include "phoneeng.h"

namespace phoneeng::smartmessage {

namespace {

constexpr uint8_t kVersion = 0x30;
constexpr uint8_t kItemLatin1 = 0x00;
constexpr uint8_t kItemUcs2 = 0x01;
constexpr uint8_t kItemBitmap = 0x02;

void appendItem(std::vector<uint8_t> &out, uint8_t type, const std::vector<uint8_t> &data) {
    out.push_back(type);
    out.push_back(static_cast<uint8_t>(data.size() >> 8));
    out.push_back(static_cast<uint8_t>(data.size() & 0xFF));
    out.insert(out.end(), data.begin(), data.end());
}

// A logo of `type` holding the pixels of `bitmap` that fit its size.
Logo logoOf(LogoType type, const Bitmap &bitmap) {
    Logo logo;
    logo.setType(type);
    Bitmap fitted(logo.width(), logo.height());
    for (int y = 0; y < std::min(fitted.height, bitmap.height); ++y) {
        for (int x = 0; x < std::min(fitted.width, bitmap.width); ++x) {
            fitted.set(x, y, bitmap.at(x, y));
        }
    }
    logo.setBitmap(fitted);
    return logo;
}

std::optional<Logo> decodePicture(std::span<const uint8_t> payload) {
    if (payload.empty() || payload[0] != kVersion) {
        return std::nullopt;
    }
    std::optional<Bitmap> bitmap;
    std::u16string text;
    bool unicode = false;
    size_t i = 1;
    while (i + 3 <= payload.size()) {
        const uint8_t type = payload[i];
        const size_t length = (static_cast<size_t>(payload[i + 1]) << 8) | payload[i + 2];
        i += 3;
        if (length > payload.size() - i) {
            return std::nullopt;
        }
        const auto data = payload.subspan(i, length);
        i += length;
        if (type == kItemBitmap && !bitmap) {
            Bitmap b;
            if (decodeOtaBitmap(data, b) == 0) {
                return std::nullopt;
            }
            bitmap = b;
        } else if (type == kItemLatin1) {
            text = utf16FromLatin1(std::string(data.begin(), data.end()));
            unicode = false;
        } else if (type == kItemUcs2 && length % 2 == 0) {
            text.clear();
            for (size_t k = 0; k < data.size(); k += 2) {
                text.push_back(static_cast<char16_t>((data[k] << 8) | data[k + 1]));
            }
            unicode = true;
        }
    }
    if (!bitmap) {
        return std::nullopt;
    }
    Logo logo = logoOf(LogoType::Picture, *bitmap);
    logo.message = text.substr(0, LogoMemory::kMaxPictureText);
    logo.messageUnicode = unicode;
    return logo;
}

}  // namespace

std::optional<std::array<uint8_t, 3>> networkCodeBytes(const std::string &netCode) {
    const auto code = parseNetCode(netCode);
    if (!code || (code->mcc == 0 && code->mnc == 0) || code->mcc > 999 || code->mnc > 99) {
        return std::nullopt;
    }
    const auto mcc = [&](int i) {
        return static_cast<uint8_t>(code->mcc / (i == 0 ? 100 : i == 1 ? 10 : 1) % 10);
    };
    const auto mnc1 = static_cast<uint8_t>(code->mnc / 10);
    const auto mnc2 = static_cast<uint8_t>(code->mnc % 10);
    return std::array<uint8_t, 3>{static_cast<uint8_t>((mcc(1) << 4) | mcc(0)),
                                  static_cast<uint8_t>(0xF0 | mcc(2)),
                                  static_cast<uint8_t>((mnc2 << 4) | mnc1)};
}

std::optional<std::string> networkCodeText(std::span<const uint8_t> bytes) {
    if (bytes.size() < 3) {
        return std::nullopt;
    }
    const uint8_t digits[] = {
        static_cast<uint8_t>(bytes[0] & 0x0F), static_cast<uint8_t>(bytes[0] >> 4),
        static_cast<uint8_t>(bytes[1] & 0x0F), static_cast<uint8_t>(bytes[2] & 0x0F),
        static_cast<uint8_t>(bytes[2] >> 4)};
    std::string text;
    for (size_t i = 0; i < 5; ++i) {
        if (digits[i] > 9) {
            return std::nullopt;
        }
        if (i == 3) {
            text.push_back(' ');
        }
        text.push_back(static_cast<char>('0' + digits[i]));
    }
    return formatNetCode(*parseNetCode(text));
}

int16_t logoPayload(const Logo &logo, uint16_t &port, std::vector<uint8_t> &payload) {
    payload.clear();
    switch (logo.type()) {
        case LogoType::Operator: {
            const auto code = networkCodeBytes(logo.netCode);
            if (!code) {
                return PE_BAD_ARGUMENT;
            }
            port = kPortOperatorLogo;
            payload.assign(code->begin(), code->end());
            const auto ota = encodeOtaBitmap(logo.bitmap());
            payload.insert(payload.end(), ota.begin(), ota.end());
            return PE_OK;
        }
        case LogoType::Caller:
            port = kPortCallerLogo;
            payload = encodeOtaBitmap(logo.bitmap());
            return PE_OK;
        case LogoType::Picture: {
            port = kPortPicture;
            payload.push_back(kVersion);
            appendItem(payload, kItemBitmap, encodeOtaBitmap(logo.bitmap()));
            if (!logo.message.empty()) {
                const auto latin1 = latin1From(logo.message);
                if (!logo.messageUnicode && latin1) {
                    appendItem(payload, kItemLatin1,
                               std::vector<uint8_t>(latin1->begin(), latin1->end()));
                } else {
                    std::vector<uint8_t> ucs2;
                    for (char16_t u : logo.message) {
                        ucs2.push_back(static_cast<uint8_t>(u >> 8));
                        ucs2.push_back(static_cast<uint8_t>(u & 0xFF));
                    }
                    appendItem(payload, kItemUcs2, ucs2);
                }
            }
            return PE_OK;
        }
        case LogoType::Startup:
            return PE_NOT_SUPPORTED;
        case LogoType::None:
            break;
    }
    return PE_BAD_ARGUMENT;
}

std::vector<std::vector<uint8_t>> userDataParts(uint16_t port, std::span<const uint8_t> payload,
                                                uint8_t reference) {
    const uint8_t hi = static_cast<uint8_t>(port >> 8);
    const uint8_t lo = static_cast<uint8_t>(port & 0xFF);
    std::vector<std::vector<uint8_t>> parts;
    if (payload.size() + 7 <= kMaxUserData) {
        std::vector<uint8_t> ud = {0x06, 0x05, 0x04, hi, lo, 0x00, 0x00};
        ud.insert(ud.end(), payload.begin(), payload.end());
        parts.push_back(std::move(ud));
        return parts;
    }
    constexpr size_t kChunk = kMaxUserData - 12;
    const size_t total = (payload.size() + kChunk - 1) / kChunk;
    if (total > kMaxParts) {
        return parts;
    }
    for (size_t k = 0; k < total; ++k) {
        std::vector<uint8_t> ud = {0x0B,
                                   0x05,
                                   0x04,
                                   hi,
                                   lo,
                                   0x00,
                                   0x00,
                                   0x00,
                                   0x03,
                                   reference,
                                   static_cast<uint8_t>(total),
                                   static_cast<uint8_t>(k + 1)};
        const auto chunk =
            payload.subspan(k * kChunk, std::min(kChunk, payload.size() - k * kChunk));
        ud.insert(ud.end(), chunk.begin(), chunk.end());
        parts.push_back(std::move(ud));
    }
    return parts;
}

std::optional<PartInfo> parsePart(std::span<const uint8_t> userData) {
    if (userData.empty() || userData[0] + 1u > userData.size()) {
        return std::nullopt;
    }
    PartInfo info;
    info.headerLength = userData[0] + 1u;
    bool hasPort = false;
    size_t i = 1;
    while (i < info.headerLength) {
        if (i + 2 > info.headerLength) {
            return std::nullopt;
        }
        const uint8_t id = userData[i];
        const uint8_t length = userData[i + 1];
        i += 2;
        if (length > info.headerLength - i) {
            return std::nullopt;
        }
        const auto data = userData.subspan(i, length);
        i += length;
        if (id == 0x05 && length == 4) {
            info.port = static_cast<uint16_t>((data[0] << 8) | data[1]);
            hasPort = true;
        } else if (id == 0x04 && length == 2) {
            info.port = data[0];
            hasPort = true;
        } else if ((id == 0x00 && length == 3) || (id == 0x08 && length == 4)) {
            const size_t r = id == 0x00 ? 1 : 2;
            info.concatenated = true;
            info.reference = data[r - 1];
            info.total = data[r];
            info.sequence = data[r + 1];
            if (info.total == 0 || info.sequence == 0 || info.sequence > info.total) {
                return std::nullopt;
            }
        }
    }
    if (!hasPort) {
        return std::nullopt;
    }
    return info;
}

std::optional<std::pair<uint16_t, std::vector<uint8_t>>> joinParts(
    const std::vector<std::vector<uint8_t>> &parts) {
    if (parts.empty()) {
        return std::nullopt;
    }
    std::map<uint8_t, std::span<const uint8_t>> bySequence;
    std::optional<PartInfo> first;
    for (const auto &ud : parts) {
        const auto info = parsePart(ud);
        if (!info) {
            return std::nullopt;
        }
        if (!first) {
            first = info;
        } else if (info->port != first->port || info->total != first->total ||
                   info->reference != first->reference) {
            return std::nullopt;
        }
        const auto payload = std::span<const uint8_t>(ud).subspan(info->headerLength);
        if (!bySequence.emplace(info->sequence, payload).second) {
            return std::nullopt;
        }
    }
    if (bySequence.size() != first->total) {
        return std::nullopt;
    }
    std::vector<uint8_t> payload;
    for (const auto &[sequence, data] : bySequence) {
        payload.insert(payload.end(), data.begin(), data.end());
    }
    return std::make_pair(first->port, std::move(payload));
}

std::optional<Logo> decodeLogo(uint16_t port, std::span<const uint8_t> payload) {
    Bitmap bitmap;
    if (port == kPortOperatorLogo) {
        size_t at = 0;
        if (!payload.empty() && payload[0] == kVersion) {
            if (payload.size() < 5 || payload[4] != 0x0A) {
                return std::nullopt;
            }
            at = 1;
        }
        const auto code = networkCodeText(payload.subspan(std::min(at, payload.size())));
        const size_t ota = at == 0 ? 3 : 5;
        if (!code || payload.size() <= ota || decodeOtaBitmap(payload.subspan(ota), bitmap) == 0) {
            return std::nullopt;
        }
        Logo logo = logoOf(LogoType::Operator, bitmap);
        logo.netCode = *code;
        return logo;
    }
    if (port == kPortCallerLogo) {
        const bool versioned = !payload.empty() && payload[0] == kVersion;
        if (!(versioned && decodeOtaBitmap(payload.subspan(1), bitmap) != 0) &&
            decodeOtaBitmap(payload, bitmap) == 0) {
            return std::nullopt;
        }
        return logoOf(LogoType::Caller, bitmap);
    }
    if (port == kPortPicture) {
        return decodePicture(payload);
    }
    return std::nullopt;
}

}  // namespace phoneeng::smartmessage
