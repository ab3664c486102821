// The engine's logo model: a type with its fixed size, the pixels, and the
// data that travels with some types (network code, caller group, message).
#pragma once

#include <cstdint>
#include <string>

#include "logo/Bitmap.h"

namespace phoneeng {

enum class LogoType : int32_t { None = 0, Startup = 1, Operator = 2, Caller = 3, Picture = 4 };

struct LogoSize {
    int width;
    int height;
};

bool isLogoType(int32_t value);
// 0 x 0, 84 x 48, 72 x 14, 72 x 14, 72 x 28.
LogoSize logoSizeOf(LogoType type);

class Logo {
public:
    // Longest caller-group name in bytes (fits a 256-byte buffer with its NUL).
    static constexpr size_t kMaxGroupName = 255;
    // Longest picture-message text in characters (fits a 512-character
    // buffer with its NUL).
    static constexpr size_t kMaxMessage = 511;

    Logo() = default;

    LogoType type() const { return type_; }
    int width() const { return bitmap_.width; }
    int height() const { return bitmap_.height; }

    // Changes the type and with it the size; pixels that fit the new size
    // are kept, the rest of the new area is clear.
    void setType(LogoType type);

    const Bitmap &bitmap() const { return bitmap_; }
    // Replaces the pixels; the bitmap must have the type's size.
    void setBitmap(const Bitmap &bitmap);
    bool pixel(int x, int y) const { return bitmap_.contains(x, y) && bitmap_.at(x, y); }
    void setPixel(int x, int y, bool black) {
        if (bitmap_.contains(x, y)) {
            bitmap_.set(x, y, black);
        }
    }

    // "MCC MNC", for example "244 05"; "" when unknown.
    std::string netCode;
    // Caller-group number (also the picture-message location), from 0.
    int32_t groupNumber = 0;
    std::string groupName;
    // Picture-message text, always held as UTF-16; messageUnicode tells
    // whether it was given (and is to be sent) as UTF-16 or as 8-bit text.
    std::u16string message;
    bool messageUnicode = false;

    bool operator==(const Logo &) const = default;

private:
    LogoType type_ = LogoType::None;
    Bitmap bitmap_;
};

}  // namespace phoneeng
