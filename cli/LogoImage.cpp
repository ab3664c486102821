#include "LogoImage.h"

#include <QStringList>

namespace glyphsmith::cli {

LogoImage LogoImage::blank(LogoKind kind) {
    const LogoKindInfo &info = logoKindInfo(kind);
    LogoImage logo;
    logo.kind = kind;
    logo.width = info.width;
    logo.height = info.height;
    logo.pixels.assign(std::size_t(info.width) * info.height, false);
    return logo;
}

LogoImage LogoImage::asKind(LogoKind newKind) const {
    LogoImage out = blank(newKind);
    out.netCode = netCode;
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            out.set(x, y, isSet(x, y));
        }
    }
    return out;
}

std::optional<LogoKind> kindForLogoType(int fbLogoType) {
    for (int k = 0; k < kLogoKindCount; ++k) {
        const LogoKind kind = static_cast<LogoKind>(k);
        if (logoKindInfo(kind).fbLogoType == fbLogoType) {
            return kind;
        }
    }
    return std::nullopt;
}

std::optional<LogoKind> kindOfSize(int width, int height) {
    for (LogoKind kind : {kOperatorLogo, kPictureMessage, kStartupLogo}) {
        if (logoKindInfo(kind).width == width && logoKindInfo(kind).height == height) {
            return kind;
        }
    }
    return std::nullopt;
}

std::optional<LogoKind> kindFromName(const QString &name) {
    static const struct {
        const char *words;
        LogoKind kind;
    } table[] = {
        {"operator op operator-logo", kOperatorLogo},
        {"caller caller-group group callergroup caller-logo", kCallerGroupLogo},
        {"picture picture-message pic", kPictureMessage},
        {"startup startup-logo", kStartupLogo},
    };
    const QString wanted = name.trimmed().toLower();
    for (const auto &row : table) {
        if (QString::fromLatin1(row.words).split(QLatin1Char(' ')).contains(wanted)) {
            return row.kind;
        }
    }
    return std::nullopt;
}

QString kindDisplayName(LogoKind kind) {
    switch (kind) {
        case kOperatorLogo:
            return QStringLiteral("operator logo");
        case kCallerGroupLogo:
            return QStringLiteral("caller-group logo");
        case kPictureMessage:
            return QStringLiteral("picture message");
        case kStartupLogo:
            return QStringLiteral("startup logo");
    }
    return QString();
}

QString logoTextArt(const LogoImage &logo) {
    QString art;
    art.reserve((logo.width + 1) * logo.height);
    for (int y = 0; y < logo.height; ++y) {
        for (int x = 0; x < logo.width; ++x) {
            art.append(logo.isSet(x, y) ? QLatin1Char('#') : QLatin1Char('.'));
        }
        art.append(QLatin1Char('\n'));
    }
    return art;
}

}  // namespace glyphsmith::cli
