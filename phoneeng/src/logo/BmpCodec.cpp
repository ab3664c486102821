#include "logo/BmpCodec.h"

#include <cstdlib>

#include "logo/ByteIo.h"
#include "phoneeng.h"

namespace phoneeng {

namespace {

constexpr size_t kFileHeader = 14;
constexpr size_t kInfoHeader = 40;
constexpr uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

size_t rowStride(int width) {
    return ((static_cast<size_t>(width) + 31) / 32) * 4;
}

bool isDark(uint8_t blue, uint8_t green, uint8_t red) {
    return red * 33 + green * 50 + blue * 17 < 128 * 100;
}

}  // namespace

std::vector<uint8_t> encodeBmp(const Bitmap &bitmap) {
    const size_t stride = rowStride(bitmap.width);
    const size_t imageBytes = stride * bitmap.height;
    const size_t offset = kFileHeader + kInfoHeader + 8;
    std::vector<uint8_t> out;
    out.reserve(offset + imageBytes);
    bytes::putText(out, "BM");
    bytes::putU32le(out, static_cast<uint32_t>(offset + imageBytes));
    bytes::putU32le(out, 0);
    bytes::putU32le(out, static_cast<uint32_t>(offset));
    bytes::putU32le(out, kInfoHeader);
    bytes::putU32le(out, static_cast<uint32_t>(bitmap.width));
    bytes::putU32le(out, static_cast<uint32_t>(bitmap.height));
    bytes::putU16le(out, 1);  // planes
    bytes::putU16le(out, 1);  // bits per pixel
    bytes::putU32le(out, 0);  // uncompressed
    bytes::putU32le(out, static_cast<uint32_t>(imageBytes));
    bytes::putU32le(out, kPixelsPerMetre);
    bytes::putU32le(out, kPixelsPerMetre);
    bytes::putU32le(out, 2);  // colours used
    bytes::putU32le(out, 2);  // colours important
    bytes::putU32le(out, 0x00FFFFFF);
    bytes::putU32le(out, 0x00000000);
    for (int y = bitmap.height - 1; y >= 0; --y) {
        const size_t row = out.size();
        out.resize(row + stride, 0);
        for (int x = 0; x < bitmap.width; ++x) {
            if (bitmap.at(x, y)) {
                out[row + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return out;
}

int16_t decodeBmp(std::span<const uint8_t> in, DecodedLogo &out) {
    if (in.size() < kFileHeader + 12 || !bytes::startsWith(in, "BM")) {
        return PE_FILE_FORMAT;
    }
    const uint32_t dataOffset = bytes::u32le(in, 10);
    const uint32_t headerSize = bytes::u32le(in, 14);
    int64_t width = 0;
    int64_t height = 0;
    unsigned depth = 0;
    uint32_t compression = 0;
    size_t paletteEntry = 4;
    if (headerSize == 12) {
        width = bytes::u16le(in, 18);
        height = bytes::u16le(in, 20);
        depth = bytes::u16le(in, 24);
        paletteEntry = 3;
    } else if (headerSize >= kInfoHeader && headerSize <= 124) {
        if (in.size() < kFileHeader + kInfoHeader) {
            return PE_FILE_FORMAT;
        }
        width = static_cast<int32_t>(bytes::u32le(in, 18));
        height = static_cast<int32_t>(bytes::u32le(in, 22));
        depth = bytes::u16le(in, 28);
        compression = bytes::u32le(in, 30);
    } else {
        return PE_FILE_FORMAT;
    }
    const bool topDown = height < 0;
    height = std::llabs(height);
    if (depth != 1 || compression != 0 || width < 1 || height < 1 || width > kMaxLogoFileSide ||
        height > kMaxLogoFileSide) {
        return PE_FILE_FORMAT;
    }
    const size_t palette = kFileHeader + headerSize;
    if (in.size() < palette + 2 * paletteEntry) {
        return PE_FILE_FORMAT;
    }
    const bool dark[2] = {isDark(in[palette], in[palette + 1], in[palette + 2]),
                          isDark(in[palette + paletteEntry], in[palette + paletteEntry + 1],
                                 in[palette + paletteEntry + 2])};
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    const size_t stride = rowStride(w);
    if (dataOffset > in.size() || in.size() - dataOffset < stride * h) {
        return PE_FILE_FORMAT;
    }
    Bitmap bitmap(w, h);
    for (int row = 0; row < h; ++row) {
        const int y = topDown ? row : h - 1 - row;
        const size_t at = dataOffset + stride * row;
        for (int x = 0; x < w; ++x) {
            const int index = (in[at + x / 8] >> (7 - x % 8)) & 1;
            bitmap.set(x, y, dark[index]);
        }
    }
    out = DecodedLogo{LogoFormat::Bmp, LogoType::None, std::move(bitmap), std::nullopt};
    return PE_OK;
}

}  // namespace phoneeng
