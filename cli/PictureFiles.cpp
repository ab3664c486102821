#include "PictureFiles.h"

#include <QFileInfo>
#include <QImageReader>

#include "CliError.h"
#include "Console.h"
#include "PictureModule.h"
#include "imaging/LogoExport.h"
#include "imaging/PictureImport.h"

namespace glyphsmith::cli {

namespace {

// The kind of a picture of w x h pixels that is a logo, 1:1 or enlarged.
std::optional<LogoKind> kindOfPicture(int w, int h) {
    for (int scale = 1; scale <= kMaxExportScale; ++scale) {
        if (w % scale == 0 && h % scale == 0) {
            if (const std::optional<LogoKind> kind = kindOfSize(w / scale, h / scale)) {
                return kind;
            }
        }
    }
    return std::nullopt;
}

// The export's sentences name the file themselves, or not.
void throwOnMessage(const QString &error, const QString &path) {
    if (!error.isEmpty()) {
        fileError(error.contains(path) ? error : QStringLiteral("%1: %2").arg(path, error));
    }
}

}  // namespace

LogoBitmap bitmapOf(const LogoImage &image) {
    LogoBitmap bitmap(image.width, image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            bitmap.set(x, y, image.isSet(x, y));
        }
    }
    return bitmap;
}

LogoImage imageOf(LogoKind kind, const LogoBitmap &bitmap) {
    LogoImage image = LogoImage::blank(kind);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            image.set(x, y, bitmap.isSet(x, y));
        }
    }
    return image;
}

LogoImage readPictureLogo(const QString &path, const LogoReadOptions &options) {
    if (!QFileInfo(path).isFile()) {
        fileError(QStringLiteral("%1: cannot open the file").arg(path));
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage picture;
    withLibraryChatterSilenced([&] { picture = reader.read(); });
    if (picture.isNull()) {
        fileError(QStringLiteral("%1: damaged or not a picture (%2)")
                      .arg(path, reader.errorString().simplified()));
    }
    std::optional<LogoKind> kind = options.kind;
    if (!kind) {
        kind = kindOfPicture(picture.width(), picture.height());
    }
    if (!kind) {
        kind = options.targetKind;
    }
    if (!kind) {
        usageError(QStringLiteral("%1: a %2 x %3 picture; --kind says which logo it becomes")
                       .arg(path)
                       .arg(picture.width())
                       .arg(picture.height()));
    }
    const LogoKindInfo &info = logoKindInfo(*kind);
    return imageOf(*kind, importPicture(picture, QSize(info.width, info.height), options.picture));
}

void writePngLogo(const LogoImage &image, const QString &path, const LogoWriteOptions &options) {
    throwOnMessage(writePng(bitmapOf(image), options.scale, path), path);
}

void writeXbmLogo(const LogoImage &image, const QString &path, const LogoWriteOptions &) {
    throwOnMessage(writeXbm(bitmapOf(image), path), path);
}

void writeHeaderLogo(const LogoImage &image, const QString &path, const LogoWriteOptions &options) {
    throwOnMessage(
        writeCHeader(bitmapOf(image), QFileInfo(path).completeBaseName(), options.layout, path),
        path);
}

}  // namespace glyphsmith::cli

extern "C" const glyphsmith::cli::PictureFunctions *glyphsmith_cli_pictures() {
    using namespace glyphsmith::cli;
    static const PictureFunctions functions{readPictureLogo, writePngLogo, writeXbmLogo,
                                            writeHeaderLogo};
    return &functions;
}
