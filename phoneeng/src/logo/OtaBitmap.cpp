#include "logo/OtaBitmap.h"

#include "logo/ByteIo.h"
#include "phoneeng.h"

namespace phoneeng {

namespace {

constexpr int kMaxExtensionBytes = 8;

struct OtaHeader {
    size_t length = 0;  // bytes before the pixel data
    int width = 0;
    int height = 0;
};

// False when the header is cut short or names an impossible bitmap.
bool readHeader(std::span<const uint8_t> in, OtaHeader &header) {
    if (in.empty()) {
        return false;
    }
    const uint8_t info = in[0];
    size_t at = 1;
    if (info & 0x80) {
        int extensions = 0;
        for (;;) {
            if (at >= in.size() || ++extensions > kMaxExtensionBytes) {
                return false;
            }
            if ((in[at++] & 0x80) == 0) {
                break;
            }
        }
    }
    const size_t sizeBytes = (info & 0x10) ? 2 : 1;
    if (in.size() - at < 2 * sizeBytes + 1) {
        return false;
    }
    if (sizeBytes == 2) {
        header.width = bytes::u16be(in, at);
        header.height = bytes::u16be(in, at + 2);
    } else {
        header.width = in[at];
        header.height = in[at + 1];
    }
    at += 2 * sizeBytes;
    const uint8_t depth = in[at++];
    header.length = at;
    return depth == 1 && header.width >= 1 && header.height >= 1 &&
           header.width <= kMaxLogoFileSide && header.height <= kMaxLogoFileSide;
}

size_t continuousBytes(const OtaHeader &h) {
    return (static_cast<size_t>(h.width) * h.height + 7) / 8;
}

// Pixels from `data`, whose rows start every `rowBits` bits.
Bitmap readPixels(std::span<const uint8_t> data, int w, int h, size_t rowBits) {
    Bitmap bitmap(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const size_t bit = y * rowBits + x;
            bitmap.set(x, y, (data[bit / 8] & (0x80 >> (bit % 8))) != 0);
        }
    }
    return bitmap;
}

}  // namespace

std::vector<uint8_t> encodeOtaBitmap(const Bitmap &bitmap) {
    std::vector<uint8_t> out;
    if (bitmap.width > 255 || bitmap.height > 255) {
        out.push_back(0x10);
        bytes::putU16be(out, static_cast<uint32_t>(bitmap.width));
        bytes::putU16be(out, static_cast<uint32_t>(bitmap.height));
    } else {
        out.push_back(0x00);
        out.push_back(static_cast<uint8_t>(bitmap.width));
        out.push_back(static_cast<uint8_t>(bitmap.height));
    }
    out.push_back(0x01);
    const size_t data = out.size();
    out.resize(data + (bitmap.pixels.size() + 7) / 8, 0);
    for (size_t i = 0; i < bitmap.pixels.size(); ++i) {
        if (bitmap.pixels[i]) {
            out[data + i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
        }
    }
    return out;
}

size_t decodeOtaBitmap(std::span<const uint8_t> in, Bitmap &out) {
    OtaHeader header;
    if (!readHeader(in, header)) {
        return 0;
    }
    const size_t dataBytes = continuousBytes(header);
    if (in.size() - header.length < dataBytes) {
        return 0;
    }
    out = readPixels(in.subspan(header.length), header.width, header.height,
                     static_cast<size_t>(header.width));
    return header.length + dataBytes;
}

int16_t decodeOtbFile(std::span<const uint8_t> in, DecodedLogo &out) {
    OtaHeader header;
    if (!readHeader(in, header)) {
        return PE_FILE_FORMAT;
    }
    const size_t data = in.size() - header.length;
    const size_t paddedRow = (static_cast<size_t>(header.width) + 7) / 8;
    Bitmap bitmap;
    if (header.width % 8 != 0 && data == paddedRow * header.height) {
        bitmap = readPixels(in.subspan(header.length), header.width, header.height, paddedRow * 8);
    } else if (data >= continuousBytes(header)) {
        bitmap = readPixels(in.subspan(header.length), header.width, header.height,
                            static_cast<size_t>(header.width));
    } else {
        return PE_FILE_FORMAT;
    }
    out = DecodedLogo{LogoFormat::Otb, LogoType::None, std::move(bitmap), std::nullopt};
    return PE_OK;
}

}  // namespace phoneeng
