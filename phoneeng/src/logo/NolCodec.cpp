#include "logo/NolCodec.h"

#include "logo/ByteIo.h"
#include "logo/NetCode.h"
#include "phoneeng.h"

namespace phoneeng {

namespace {

constexpr size_t kNolHeader = 20;
constexpr size_t kNggHeader = 16;

void putPixelChars(std::vector<uint8_t> &out, const Bitmap &bitmap) {
    for (uint8_t p : bitmap.pixels) {
        out.push_back(p ? '1' : '0');
    }
    for (size_t n = bitmap.pixels.size(); n % 8 != 0; ++n) {
        out.push_back('0');
    }
}

// Reads w x h pixel characters starting at `at`.
int16_t readPixelChars(std::span<const uint8_t> bytes, size_t at, int w, int h, Bitmap &out) {
    if (w < 1 || h < 1 || w > kMaxLogoFileSide || h > kMaxLogoFileSide) {
        return PE_FILE_FORMAT;
    }
    const size_t count = static_cast<size_t>(w) * h;
    if (bytes.size() < at || bytes.size() - at < count) {
        return PE_FILE_FORMAT;
    }
    Bitmap bitmap(w, h);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t c = bytes[at + i];
        if (c != '0' && c != '1') {
            return PE_FILE_FORMAT;
        }
        bitmap.pixels[i] = c == '1' ? 1 : 0;
    }
    out = std::move(bitmap);
    return PE_OK;
}

}  // namespace

std::vector<uint8_t> encodeNol(const Logo &logo) {
    std::vector<uint8_t> out;
    const NetCode code = parseNetCode(logo.netCode).value_or(NetCode{});
    bytes::putText(out, "NOL");
    out.push_back(0x00);
    bytes::putU16le(out, 1);
    bytes::putU16le(out, static_cast<uint32_t>(code.mcc));
    bytes::putU16le(out, static_cast<uint32_t>(code.mnc));
    bytes::putU16le(out, static_cast<uint32_t>(logo.width()));
    bytes::putU16le(out, static_cast<uint32_t>(logo.height()));
    bytes::putU16le(out, 1);
    bytes::putU16le(out, 1);
    bytes::putU16le(out, 0);
    putPixelChars(out, logo.bitmap());
    return out;
}

std::vector<uint8_t> encodeNgg(const Logo &logo) {
    std::vector<uint8_t> out;
    bytes::putText(out, "NGG");
    out.push_back(0x00);
    bytes::putU16le(out, 1);
    bytes::putU16le(out, static_cast<uint32_t>(logo.width()));
    bytes::putU16le(out, static_cast<uint32_t>(logo.height()));
    bytes::putU16le(out, 1);
    bytes::putU16le(out, 1);
    bytes::putU16le(out, 0);
    putPixelChars(out, logo.bitmap());
    return out;
}

int16_t decodeNol(std::span<const uint8_t> in, DecodedLogo &out) {
    if (in.size() < kNolHeader || !bytes::startsWith(in, "NOL")) {
        return PE_FILE_FORMAT;
    }
    Bitmap bitmap;
    const int16_t rc =
        readPixelChars(in, kNolHeader, bytes::u16le(in, 10), bytes::u16le(in, 12), bitmap);
    if (rc != PE_OK) {
        return rc;
    }
    NetCode code{bytes::u16le(in, 6), bytes::u16le(in, 8)};
    if (code.mcc > 999 || code.mnc > 999) {
        code = NetCode{};  // no real network: read as an absent code
    }
    out = DecodedLogo{LogoFormat::Nol, LogoType::Operator, std::move(bitmap), formatNetCode(code)};
    return PE_OK;
}

int16_t decodeNgg(std::span<const uint8_t> in, DecodedLogo &out) {
    if (in.size() < kNggHeader || !bytes::startsWith(in, "NGG")) {
        return PE_FILE_FORMAT;
    }
    Bitmap bitmap;
    const int16_t rc =
        readPixelChars(in, kNggHeader, bytes::u16le(in, 6), bytes::u16le(in, 8), bitmap);
    if (rc != PE_OK) {
        return rc;
    }
    out = DecodedLogo{LogoFormat::Ngg, LogoType::Caller, std::move(bitmap), std::nullopt};
    return PE_OK;
}

}  // namespace phoneeng
