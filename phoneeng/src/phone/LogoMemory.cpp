#include "phone/LogoMemory.h"

#include "logo/NetCode.h"
#include "phoneeng.h"

namespace phoneeng {

namespace {

bool hasSize(const Bitmap &bitmap, LogoType type) {
    const LogoSize size = logoSizeOf(type);
    return bitmap.width == size.width && bitmap.height == size.height &&
           bitmap.pixels.size() == static_cast<size_t>(size.width) * size.height;
}

// A network code as the phone keeps it ("244 05"); nullopt for a malformed
// or absent one.
std::optional<std::string> storedNetCode(const std::string &text) {
    const auto code = parseNetCode(text);
    if (!code || (code->mcc == 0 && code->mnc == 0)) {
        return std::nullopt;
    }
    return formatNetCode(*code);
}

bool plainText(const std::string &text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            return false;
        }
    }
    return true;
}

}  // namespace

LogoMemory::LogoMemory() {
    static constexpr const char *kNames[kCallerGroups] = {"Family", "VIP", "Friends", "Business",
                                                          "Other"};
    for (int32_t i = 0; i < kCallerGroups; ++i) {
        groups_[static_cast<size_t>(i)].name = kNames[i];
    }
}

int16_t LogoMemory::upload(const Logo &logo, const std::string &homeNetCode) {
    const LogoType type = logo.type();
    if (type == LogoType::None || !hasSize(logo.bitmap(), type)) {
        return PE_BAD_ARGUMENT;
    }
    switch (type) {
        case LogoType::Operator: {
            const auto code = storedNetCode(logo.netCode.empty() ? homeNetCode : logo.netCode);
            if (!code) {
                return PE_BAD_ARGUMENT;
            }
            operator_ = OperatorLogo{*code, logo.bitmap()};
            return PE_OK;
        }
        case LogoType::Caller: {
            const int32_t n = logo.groupNumber;
            if (n < 0 || logo.groupName.size() > kMaxGroupName || !plainText(logo.groupName)) {
                return PE_BAD_ARGUMENT;
            }
            if (n >= kCallerGroups) {
                return PE_PAST_END;
            }
            auto &group = groups_[static_cast<size_t>(n)];
            if (!logo.groupName.empty()) {
                group.name = logo.groupName;
            }
            group.bitmap = logo.bitmap();
            return PE_OK;
        }
        case LogoType::Picture: {
            const int32_t n = logo.groupNumber;
            if (n < 0 || logo.message.size() > kMaxPictureText) {
                return PE_BAD_ARGUMENT;
            }
            if (n >= kPictureLocations) {
                return PE_PAST_END;
            }
            pictures_[static_cast<size_t>(n)] =
                Picture{logo.bitmap(), logo.message, logo.messageUnicode};
            return PE_OK;
        }
        case LogoType::Startup:
            startup_ = logo.bitmap();
            return PE_OK;
        case LogoType::None:
            break;
    }
    return PE_BAD_ARGUMENT;
}

int16_t LogoMemory::download(int32_t type, Logo &logo) const {
    if (type < 1 || type > 4) {
        return PE_BAD_ARGUMENT;
    }
    const auto logoType = static_cast<LogoType>(type);
    const int32_t n = logo.groupNumber;
    const Bitmap *bitmap = nullptr;
    switch (logoType) {
        case LogoType::Operator:
            if (!operator_) {
                return PE_EMPTY;
            }
            bitmap = &operator_->bitmap;
            break;
        case LogoType::Caller:
        case LogoType::Picture: {
            const int32_t count = logoType == LogoType::Caller ? kCallerGroups : kPictureLocations;
            if (n < 0) {
                return PE_BAD_ARGUMENT;
            }
            if (n >= count) {
                return PE_PAST_END;
            }
            if (logoType == LogoType::Caller) {
                if (!groups_[static_cast<size_t>(n)].bitmap) {
                    return PE_EMPTY;
                }
                bitmap = &*groups_[static_cast<size_t>(n)].bitmap;
            } else {
                if (!pictures_[static_cast<size_t>(n)]) {
                    return PE_EMPTY;
                }
                bitmap = &pictures_[static_cast<size_t>(n)]->bitmap;
            }
            break;
        }
        case LogoType::Startup:
            if (!startup_) {
                return PE_EMPTY;
            }
            bitmap = &*startup_;
            break;
        case LogoType::None:
            return PE_BAD_ARGUMENT;
    }
    logo.setType(logoType);
    logo.setBitmap(*bitmap);
    if (logoType == LogoType::Operator) {
        logo.netCode = operator_->netCode;
    } else if (logoType == LogoType::Caller) {
        logo.groupName = groups_[static_cast<size_t>(n)].name;
    } else if (logoType == LogoType::Picture) {
        logo.message = pictures_[static_cast<size_t>(n)]->text;
        logo.messageUnicode = pictures_[static_cast<size_t>(n)]->unicode;
    }
    return PE_OK;
}

bool LogoMemory::restoreOperator(const std::string &netCode, const Bitmap &bitmap) {
    const auto code = storedNetCode(netCode);
    if (!code || !hasSize(bitmap, LogoType::Operator)) {
        return false;
    }
    operator_ = OperatorLogo{*code, bitmap};
    return true;
}

bool LogoMemory::restoreGroup(int32_t group, const std::string &name,
                              const std::optional<Bitmap> &bitmap) {
    if (group < 0 || group >= kCallerGroups || name.size() > kMaxGroupName || !plainText(name) ||
        (bitmap && !hasSize(*bitmap, LogoType::Caller))) {
        return false;
    }
    groups_[static_cast<size_t>(group)] = CallerGroup{name, bitmap};
    return true;
}

bool LogoMemory::restorePicture(int32_t location, const Picture &picture) {
    if (location < 0 || location >= kPictureLocations || picture.text.size() > kMaxPictureText ||
        !hasSize(picture.bitmap, LogoType::Picture)) {
        return false;
    }
    pictures_[static_cast<size_t>(location)] = picture;
    return true;
}

bool LogoMemory::restoreStartup(const Bitmap &bitmap) {
    if (!hasSize(bitmap, LogoType::Startup)) {
        return false;
    }
    startup_ = bitmap;
    return true;
}

int16_t LogoMemory::setStartupText(const std::string &text) {
    if (text.size() > kMaxStartupText || !plainText(text)) {
        return PE_BAD_ARGUMENT;
    }
    startupText_ = text;
    return PE_OK;
}

}  // namespace phoneeng
