// Reading the picture a user imports: any format Qt's image readers know
// (by the file name's suffix, else by content), turned upright as its
// metadata asks.
#pragma once

#include <QImage>
#include <QString>

class QIODevice;

namespace glyphsmith {

// The largest picture read, in pixels: larger ones (or ones whose header
// claims more) are refused before any pixel memory is taken.
inline constexpr qint64 kMaxPicturePixels = 64LL * 1024 * 1024;

// The picture in `device` (opened for reading by the caller, or openable);
// a null image with `error` set (when given) when it cannot be read.
QImage readPicture(QIODevice *device, QString *error = nullptr);
// The same for the file at `path`.
QImage readPictureFile(const QString &path, QString *error = nullptr);

}  // namespace glyphsmith
