// The logos kept in the virtual phone: one operator logo with its network
// code, five caller groups (name and logo), picture messages by location,
// one startup logo, and the startup text.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "logo/Logo.h"

namespace phoneeng {

class LogoMemory {
public:
    static constexpr int32_t kCallerGroups = 5;       // groups 0..4
    static constexpr int32_t kPictureLocations = 10;  // locations 0..9
    static constexpr size_t kMaxGroupName = 20;
    static constexpr size_t kMaxStartupText = 40;
    static constexpr size_t kMaxPictureText = 120;  // characters

    struct OperatorLogo {
        std::string netCode;  // "MCC MNC"
        Bitmap bitmap;
    };
    struct CallerGroup {
        std::string name;
        std::optional<Bitmap> bitmap;  // none: the group shows no logo
    };
    struct Picture {
        Bitmap bitmap;
        std::u16string text;
        bool unicode = false;
    };

    LogoMemory();

    // Stores the logo by its type (caller group and picture location from
    // its group number). An operator logo without a network code takes
    // `homeNetCode`; a caller-group logo with an empty name keeps the
    // group's name. PE_BAD_ARGUMENT for a type of none, a malformed network
    // code, a location below 0, a name or text too long; PE_PAST_END for a
    // location past the last.
    int16_t upload(const Logo &logo, const std::string &homeNetCode);
    // Loads the stored logo of `type` (location = logo.groupNumber) into
    // `logo`; PE_EMPTY when nothing is stored there. On failure `logo` is
    // unchanged.
    int16_t download(int32_t type, Logo &logo) const;

    const std::optional<OperatorLogo> &operatorLogo() const { return operator_; }
    const std::array<CallerGroup, kCallerGroups> &callerGroups() const { return groups_; }
    const std::array<std::optional<Picture>, kPictureLocations> &pictures() const {
        return pictures_;
    }
    const std::optional<Bitmap> &startupLogo() const { return startup_; }
    const std::string &startupText() const { return startupText_; }

    // Restoring saved content: each gives false for values out of range.
    bool restoreOperator(const std::string &netCode, const Bitmap &bitmap);
    bool restoreGroup(int32_t group, const std::string &name, const std::optional<Bitmap> &bitmap);
    bool restorePicture(int32_t location, const Picture &picture);
    bool restoreStartup(const Bitmap &bitmap);
    // PE_BAD_ARGUMENT for a text longer than kMaxStartupText or with control
    // characters.
    int16_t setStartupText(const std::string &text);

private:
    std::optional<OperatorLogo> operator_;
    std::array<CallerGroup, kCallerGroups> groups_;
    std::array<std::optional<Picture>, kPictureLocations> pictures_;
    std::optional<Bitmap> startup_;
    std::string startupText_;
};

}  // namespace phoneeng
