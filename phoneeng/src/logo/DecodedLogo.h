// What a logo file holds, as read, before it is fitted into the engine's
// logo (whose size is fixed by its type).
#pragma once

#include <optional>
#include <string>

#include "logo/Bitmap.h"
#include "logo/Logo.h"

namespace phoneeng {

enum class LogoFormat { Nol, Ngg, Nsl, Nlm, Bmp, Otb };

// Largest width or height taken from a logo file; anything larger is not a
// phone logo and is refused as damaged.
constexpr int kMaxLogoFileSide = 255;

struct DecodedLogo {
    LogoFormat format = LogoFormat::Nol;
    // The type the file names; None when it names none (BMP, OTA bitmap).
    LogoType type = LogoType::None;
    // The pixels at the file's own size (1 = set).
    Bitmap bitmap;
    // The network code in "MCC MNC" form, for files that carry one.
    std::optional<std::string> netCode;
};

}  // namespace phoneeng
