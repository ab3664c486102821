#include "LogoInput.h"

#include <QFileInfo>

#include "CliError.h"
#include "EngineFiles.h"
#include "FormatTable.h"
#include "PictureModule.h"

namespace glyphsmith::cli {

LogoImage readLogoInput(const QString &path, const LogoReadOptions &options) {
    const std::optional<LogoKind> kind = options.kind;
    const QString ext = QFileInfo(path).suffix().toLower();
    LogoImage image;
    if (const LogoFormat *format = findLogoFormat(ext); format && !ext.isEmpty()) {
        if (!format->read) {
            usageError(
                QStringLiteral("%1: %2 files are written, not read").arg(path, format->name));
        }
        image = format->read(path, options);
    } else if (isPictureExtension(ext)) {
        image = pictureModule().readPictureLogo(path, options);
    } else {
        image = readEngineLogoFile(path);
    }
    if (kind && *kind != image.kind) {
        image = image.asKind(*kind);
    }
    return image;
}

void readRingToneInput(const QString &path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (const RingToneFormat *format = findRingToneFormat(ext);
        format && !ext.isEmpty() && !format->read) {
        usageError(QStringLiteral("%1: %2 files are written, not read (read RTTTL or OTT)")
                       .arg(path, format->name));
    }
    readEngineRingToneFile(path);
}

bool hasRingToneExtension(const QString &path) {
    const QString ext = QFileInfo(path).suffix();
    return !ext.isEmpty() && findRingToneFormat(ext) != nullptr;
}

std::optional<LogoKind> kindOption(const QString &value, bool given) {
    if (!given) {
        return std::nullopt;
    }
    const std::optional<LogoKind> kind = kindFromName(value);
    if (!kind) {
        usageError(QStringLiteral("not a logo kind: \"%1\" (operator, caller, picture, startup)")
                       .arg(value));
    }
    return kind;
}

}  // namespace glyphsmith::cli
