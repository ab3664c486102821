#include "logo/NlmCodec.h"

#include "logo/ByteIo.h"
#include "phoneeng.h"

namespace phoneeng {

namespace {

constexpr size_t kHeader = 10;

uint8_t typeByte(LogoType type) {
    switch (type) {
        case LogoType::Caller:
            return 1;
        case LogoType::Startup:
            return 2;
        case LogoType::Picture:
            return 3;
        case LogoType::Operator:
        case LogoType::None:
            break;
    }
    return 0;
}

}  // namespace

std::vector<uint8_t> encodeNlm(const Logo &logo) {
    const Bitmap &bitmap = logo.bitmap();
    const size_t rowBytes = (static_cast<size_t>(bitmap.width) + 7) / 8;
    std::vector<uint8_t> out;
    out.reserve(kHeader + rowBytes * bitmap.height);
    bytes::putText(out, "NLM ");
    out.push_back(0x01);
    out.push_back(typeByte(logo.type()));
    out.push_back(0x00);
    out.push_back(static_cast<uint8_t>(bitmap.width));
    out.push_back(static_cast<uint8_t>(bitmap.height));
    out.push_back(0x01);
    for (int y = 0; y < bitmap.height; ++y) {
        const size_t row = out.size();
        out.resize(row + rowBytes, 0);
        for (int x = 0; x < bitmap.width; ++x) {
            if (bitmap.at(x, y)) {
                out[row + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return out;
}

int16_t decodeNlm(std::span<const uint8_t> in, DecodedLogo &out) {
    if (in.size() < kHeader || !bytes::startsWith(in, "NLM")) {
        return PE_FILE_FORMAT;
    }
    static constexpr LogoType kTypes[] = {LogoType::Operator, LogoType::Caller, LogoType::Startup,
                                          LogoType::Picture};
    if (in[5] > 3) {
        return PE_FILE_FORMAT;
    }
    const int w = in[7];
    const int h = in[8];
    if (w == 0 || h == 0) {
        return PE_FILE_FORMAT;
    }
    const size_t rowBytes = (static_cast<size_t>(w) + 7) / 8;
    if (in.size() - kHeader < rowBytes * h) {
        return PE_FILE_FORMAT;
    }
    Bitmap bitmap(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const uint8_t b = in[kHeader + y * rowBytes + x / 8];
            bitmap.set(x, y, (b & (0x80 >> (x % 8))) != 0);
        }
    }
    out = DecodedLogo{LogoFormat::Nlm, kTypes[in[5]], std::move(bitmap), std::nullopt};
    return PE_OK;
}

}  // namespace phoneeng
