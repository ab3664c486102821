#include "fbus/FbusBitmaps.h"

#include "logo/ByteIo.h"
#include "logo/NetCode.h"

namespace phoneeng::fbus {

std::vector<uint8_t> packRows(const Bitmap &bitmap) {
    std::vector<uint8_t> out((static_cast<size_t>(bitmap.width) * bitmap.height + 7) / 8, 0);
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            if (bitmap.at(x, y)) {
                const size_t i = static_cast<size_t>(y) * bitmap.width + x;
                out[i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
            }
        }
    }
    return out;
}

std::optional<Bitmap> unpackRows(std::span<const uint8_t> bytes, int width, int height) {
    if (bytes.size() < (static_cast<size_t>(width) * height + 7) / 8) {
        return std::nullopt;
    }
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const size_t i = static_cast<size_t>(y) * width + x;
            bitmap.set(x, y, (bytes[i / 8] & (0x80 >> (i % 8))) != 0);
        }
    }
    return bitmap;
}

std::vector<uint8_t> packBands(const Bitmap &bitmap) {
    std::vector<uint8_t> out(static_cast<size_t>((bitmap.height + 7) / 8) * bitmap.width, 0);
    for (int y = 0; y < bitmap.height; ++y) {
        for (int x = 0; x < bitmap.width; ++x) {
            if (bitmap.at(x, y)) {
                out[static_cast<size_t>(y / 8) * bitmap.width + x] |=
                    static_cast<uint8_t>(1 << (y % 8));
            }
        }
    }
    return out;
}

std::optional<Bitmap> unpackBands(std::span<const uint8_t> bytes, int width, int height) {
    if (bytes.size() < static_cast<size_t>((height + 7) / 8) * width) {
        return std::nullopt;
    }
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.set(x, y, (bytes[static_cast<size_t>(y / 8) * width + x] & (1 << (y % 8))) != 0);
        }
    }
    return bitmap;
}

std::array<uint8_t, 3> encodeNetworkCode(const std::string &code) {
    const auto parsed = parseNetCode(code);
    if (!parsed || (parsed->mcc == 0 && parsed->mnc == 0)) {
        return {0x00, 0xF0, 0x00};
    }
    const int mcc = parsed->mcc;
    const int mnc = parsed->mnc;
    return {static_cast<uint8_t>((mcc / 100) | ((mcc / 10 % 10) << 4)),
            static_cast<uint8_t>(0xF0 | (mcc % 10)),
            static_cast<uint8_t>((mnc / 10 % 10) | ((mnc % 10) << 4))};
}

std::string decodeNetworkCode(std::span<const uint8_t, 3> bytes) {
    std::string digits;
    for (uint8_t b : bytes) {
        for (int nibble : {b & 0x0F, b >> 4}) {
            if (nibble < 10) {
                digits.push_back(static_cast<char>('0' + nibble));
            }
        }
    }
    if (digits.size() < 4) {
        return "";
    }
    return digits.substr(0, 3) + " " + digits.substr(3);
}

void putRowsBlock(std::vector<uint8_t> &out, const Logo &logo) {
    const auto rows = packRows(logo.bitmap());
    bytes::putU16be(out, static_cast<uint32_t>(rows.size() + 4));
    out.insert(out.end(), {0x00, static_cast<uint8_t>(logo.width()),
                           static_cast<uint8_t>(logo.height()), 0x01});
    out.insert(out.end(), rows.begin(), rows.end());
}

bool readRows(FbusReader &in, Logo &logo) {
    in.skip(1);
    const int width = in.u8();
    const int height = in.u8();
    in.skip(1);
    const auto bitmap =
        unpackRows(in.take(static_cast<size_t>(width * height + 7) / 8), width, height);
    if (!in.ok() || !bitmap || width != logo.width() || height != logo.height()) {
        return false;
    }
    logo.setBitmap(*bitmap);
    return true;
}

}  // namespace phoneeng::fbus
