#include "GspLogoFile.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>

#include "CliError.h"
#include "files/GspFormat.h"

namespace glyphsmith::cli {

namespace {

// Longer rows or more rows than any kind has mark a file that is no logo.
constexpr int kMaxSide = 128;

}  // namespace

LogoImage readGspLogoFile(const QString &path, std::optional<LogoKind> kind) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fileError(QStringLiteral("%1: cannot open the file").arg(path));
    }
    QList<QByteArray> lines = readGspLines(file, kMaxSide + 1, kMaxSide + 1);
    while (!lines.isEmpty() && lines.back().isEmpty()) {
        lines.removeLast();
    }
    int width = 0;
    for (const QByteArray &line : lines) {
        if (line.count('0') + line.count('1') != line.size()) {
            fileError(QStringLiteral("%1: damaged or not a GSP file").arg(path));
        }
        width = std::max(width, int(line.size()));
    }
    const int height = int(lines.size());
    if (!kind) {
        kind = kindOfSize(width, height);
    }
    if (!kind || height == 0) {
        fileError(
            QStringLiteral("%1: damaged or not a GSP file (%2 x %3 pixels; --kind sets the kind)")
                .arg(path)
                .arg(width)
                .arg(height));
    }
    LogoImage image = LogoImage::blank(*kind);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            image.set(x, y, y < height && gspPixelSet(lines[y], x));
        }
    }
    return image;
}

void writeGspLogoFile(const LogoImage &image, const QString &path) {
    const QByteArray text =
        encodeGsp(image.width, image.height, [&image](int x, int y) { return image.isSet(x, y); });
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        fileError(QStringLiteral("%1: cannot write the file").arg(path));
    }
}

}  // namespace glyphsmith::cli
