#include "canvas/LogoKind.h"

namespace glyphsmith {

namespace {

const LogoKindInfo kKinds[kLogoKindCount] = {
    {kOperatorLogo, 72, 14, QLatin1Char('O'), 2, "Operator Logo"},
    {kCallerGroupLogo, 72, 14, QLatin1Char('C'), 3, "CallerGroup Logo"},
    {kPictureMessage, 72, 28, QLatin1Char('P'), 4, "PictureMessage Logo"},
    {kStartupLogo, 84, 48, QLatin1Char('S'), 1, "Startup Logo"},
};

}  // namespace

const LogoKindInfo &logoKindInfo(int kind) {
    if (kind < 0 || kind >= kLogoKindCount) {
        kind = kOperatorLogo;
    }
    return kKinds[kind];
}

int fbLogoTypeForKind(int kind) {
    return logoKindInfo(kind).fbLogoType;
}

bool transferAllowed(const QString &capabilities, int kind) {
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
