// Logo pixels written out for other programs: a PNG picture (1:1 or enlarged
// by a whole factor), an X bitmap, and a C header holding the pixels as a
// byte array in one of two layouts used by small monochrome displays.
//
// The writers replace the target file atomically and return an empty string
// on success, otherwise a sentence saying what failed.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "imaging/LogoBitmap.h"
#include "imaging/PictureOptions.h"

namespace glyphsmith {

// Set pixels black, clear pixels white; each pixel a scale x scale block
// (scale clamped to 1..kMaxExportScale). An empty bitmap gives a null image.
QImage exportImage(const LogoBitmap &logo, int scale);

// The pixels packed in `layout` (see above).
QByteArray packBits(const LogoBitmap &logo, CHeaderLayout layout);

// A C identifier made from a name: letters, digits and underscores kept,
// anything else an underscore; "logo" when empty, "logo_" before a leading
// digit.
QString cIdentifier(const QString &name);

// A self-contained C header: include guard, NAME_WIDTH and NAME_HEIGHT, and
// `static const unsigned char name[]` with the packed bits (NAME being the
// identifier in capitals).
QByteArray cHeaderText(const LogoBitmap &logo, const QString &name, CHeaderLayout layout);

enum class ExportFormat { Png, Xbm, CHeaderRows, CHeaderPages };

struct ExportRequest {
    ExportFormat format = ExportFormat::Png;
    int scale = 1;  // PNG only
    QString name;   // C headers only: the array's name (see cIdentifier)
    QString path;
};

// The writer for the request's format.
QString exportLogo(const LogoBitmap &logo, const ExportRequest &request);

QString writePng(const LogoBitmap &logo, int scale, const QString &path);
QString writeXbm(const LogoBitmap &logo, const QString &path);
QString writeCHeader(const LogoBitmap &logo, const QString &name, CHeaderLayout layout,
                     const QString &path);

}  // namespace glyphsmith
