#include "logo/NslCodec.h"

#include "logo/ByteIo.h"
#include "phoneeng.h"

namespace phoneeng {

namespace {

constexpr size_t kChunkHeader = 6;

struct NslSize {
    size_t length;
    int width;
    int height;
};
constexpr NslSize kSizes[] = {{504, 84, 48}, {768, 96, 60}, {864, 96, 65}};

}  // namespace

std::vector<uint8_t> encodeNsl(const Logo &logo) {
    const int w = 84;
    const int h = 48;
    const Bitmap bitmap = cropOrPad(logo.bitmap(), w, h);
    const size_t dataBytes = static_cast<size_t>(w) * ((h + 7) / 8);
    std::vector<uint8_t> out;
    out.reserve(2 * kChunkHeader + dataBytes);
    bytes::putText(out, "FORM");
    bytes::putU16be(out, static_cast<uint32_t>(kChunkHeader + dataBytes));
    bytes::putText(out, "NSLD");
    bytes::putU16be(out, static_cast<uint32_t>(dataBytes));
    const size_t data = out.size();
    out.resize(data + dataBytes, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (bitmap.at(x, y)) {
                out[data + static_cast<size_t>(y / 8) * w + x] |=
                    static_cast<uint8_t>(1 << (y % 8));
            }
        }
    }
    return out;
}

int16_t decodeNsl(std::span<const uint8_t> in, DecodedLogo &out) {
    if (in.size() < kChunkHeader || !bytes::startsWith(in, "FORM")) {
        return PE_FILE_FORMAT;
    }
    const size_t formLength = bytes::u16be(in, 4);
    if (formLength > in.size() - kChunkHeader) {
        return PE_FILE_FORMAT;  // cut short
    }
    const std::span<const uint8_t> form = in.subspan(kChunkHeader, formLength);
    size_t at = 0;
    while (at + kChunkHeader <= form.size()) {
        const std::span<const uint8_t> chunk = form.subspan(at);
        const size_t length = bytes::u16be(chunk, 4);
        if (length > chunk.size() - kChunkHeader) {
            return PE_FILE_FORMAT;
        }
        if (bytes::startsWith(chunk, "NSLD")) {
            for (const NslSize &size : kSizes) {
                if (size.length != length) {
                    continue;
                }
                Bitmap bitmap(size.width, size.height);
                const std::span<const uint8_t> data = chunk.subspan(kChunkHeader, length);
                for (int y = 0; y < size.height; ++y) {
                    for (int x = 0; x < size.width; ++x) {
                        const uint8_t b = data[static_cast<size_t>(y / 8) * size.width + x];
                        bitmap.set(x, y, (b & (1 << (y % 8))) != 0);
                    }
                }
                out = DecodedLogo{LogoFormat::Nsl, LogoType::Startup, std::move(bitmap),
                                  std::nullopt};
                return PE_OK;
            }
            return PE_FILE_FORMAT;
        }
        at += kChunkHeader + length;
    }
    return PE_FILE_FORMAT;
}

}  // namespace phoneeng
