#include "logo/Logo.h"

#include <algorithm>

namespace phoneeng {

bool isLogoType(int32_t value) { return value >= 0 && value <= 4; }

LogoSize logoSizeOf(LogoType type) {
    switch (type) {
        case LogoType::Startup:
            return {84, 48};
        case LogoType::Operator:
        case LogoType::Caller:
            return {72, 14};
        case LogoType::Picture:
            return {72, 28};
        case LogoType::None:
            break;
    }
    return {0, 0};
}

void Logo::setType(LogoType type) {
    const LogoSize size = logoSizeOf(type);
    Bitmap resized(size.width, size.height);
    const int w = std::min(size.width, bitmap_.width);
    const int h = std::min(size.height, bitmap_.height);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            resized.set(x, y, bitmap_.at(x, y));
        }
    }
    type_ = type;
    bitmap_ = std::move(resized);
}

void Logo::setBitmap(const Bitmap &bitmap) {
    if (bitmap.width == bitmap_.width && bitmap.height == bitmap_.height) {
        bitmap_ = bitmap;
    }
}

}  // namespace phoneeng
