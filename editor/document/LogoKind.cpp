#include "document/LogoKind.h"

namespace glyphsmith {

namespace {

const LogoKindInfo kKinds[kLogoKindCount] = {
    {kOperatorLogo, 72, 14, QLatin1Char('O'), 2, "Operator Logo"},
    {kCallerGroupLogo, 72, 14, QLatin1Char('C'), 3, "CallerGroup Logo"},
    {kPictureMessage, 72, 28, QLatin1Char('P'), 4, "PictureMessage Logo"},
    {kStartupLogo, 84, 48, QLatin1Char('S'), 1, "Startup Logo"},
};

}  // namespace

const LogoKindInfo &logoKindInfo(LogoKind kind) {
    const int i = static_cast<int>(kind);
    return kKinds[i >= 0 && i < kLogoKindCount ? i : 0];
}

int fbLogoTypeForKind(LogoKind kind) {
    return logoKindInfo(kind).fbLogoType;
}

bool transferAllowed(const QString &capabilities, LogoKind kind) {
    return capabilities.contains(logoKindInfo(kind).capability, Qt::CaseSensitive);
}

std::optional<LogoKind> kindFromSettingName(const QString &text) {
    for (const LogoKindInfo &k : kKinds) {
        if (text == QLatin1String(k.settingName)) {
            return k.kind;
        }
    }
    return std::nullopt;
}

}  // namespace glyphsmith
