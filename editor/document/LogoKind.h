// The four kinds of logo the editor edits, with their sizes, the phone
// capability letter that allows their transfer and the control library's
// logo type numbers.
#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace glyphsmith {

enum LogoKind : int {
    kOperatorLogo = 0,
    kCallerGroupLogo = 1,
    kPictureMessage = 2,
    kStartupLogo = 3,
};
inline constexpr int kLogoKindCount = 4;
inline constexpr LogoKind kAllLogoKinds[kLogoKindCount] = {kOperatorLogo, kCallerGroupLogo,
                                                           kPictureMessage, kStartupLogo};

struct LogoKindInfo {
    LogoKind kind;
    int width;                // logo pixels
    int height;               // logo pixels
    QChar capability;         // letter in the phone's capability text
    int fbLogoType;           // the control library's fbLogoType
    const char *settingName;  // value of the "DefaultLogo" setting
};

// Information of a kind; kinds outside 0..3 count as the operator kind.
const LogoKindInfo &logoKindInfo(LogoKind kind);

// The library's fbLogoType for an editor kind: 0 -> 2, 1 -> 3, 2 -> 4, 3 -> 1.
int fbLogoTypeForKind(LogoKind kind);

// Whether a phone with these capability letters can take logos of `kind`
// (the letter must be present with its exact case).
bool transferAllowed(const QString &capabilities, LogoKind kind);

// The kind a "DefaultLogo" setting names, matched exactly ("Startup Logo");
// nothing for any other text.
std::optional<LogoKind> kindFromSettingName(const QString &text);

}  // namespace glyphsmith
