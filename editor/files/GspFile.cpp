#include "files/GspFile.h"

#include <QFile>

#include "document/LogoDocument.h"
#include "files/GspFormat.h"
#include "shell/SaveBytes.h"

namespace glyphsmith {

GspFile::ReadResult GspFile::read(const QString &path, LogoDocument &doc, int width, int height) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return ReadResult::CannotOpen;
    }
    const QList<QByteArray> lines = readGspLines(file, height, width);
    for (int y = 0; y < lines.size(); ++y) {
        for (int x = 0; x < width; ++x) {
            doc.setPixel(
                x, y,
                gspPixelSet(lines[y], x) ? LogoDocument::kSetColor : LogoDocument::kClearColor);
        }
    }
    return lines.size() < height ? ReadResult::ShortFile : ReadResult::Complete;
}

bool GspFile::write(const QString &path, const LogoDocument &doc, int width, int height) {
    const QByteArray text =
        encodeGsp(width, height, [&doc](int x, int y) { return doc.isPixelSet(x, y); });
    return saveBytes(path, text);
}

}  // namespace glyphsmith
