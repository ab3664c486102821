#include "logo/Logo.h"

namespace phoneeng {

bool isLogoType(int32_t value) {
    return value >= 0 && value <= 4;
}

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
    bitmap_ = cropOrPad(bitmap_, size.width, size.height);
    type_ = type;
}

void Logo::setBitmap(const Bitmap &bitmap) {
    if (bitmap.width == bitmap_.width && bitmap.height == bitmap_.height) {
        bitmap_ = bitmap;
    }
}

}  // namespace phoneeng
