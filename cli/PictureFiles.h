// Logos as pictures, through the editor's picture import and export: any
// picture Qt reads (PNG, JPEG, GIF, XBM...) becomes a logo, and a logo is
// written as PNG, XBM or a C header.
#pragma once

#include <QString>

#include "FormatTable.h"
#include "LogoImage.h"
#include "imaging/LogoBitmap.h"

namespace glyphsmith::cli {

LogoBitmap bitmapOf(const LogoImage &image);
// A logo of `kind` holding `bitmap` from its top left corner.
LogoImage imageOf(LogoKind kind, const LogoBitmap &bitmap);

// The picture at `path` as a logo. Its kind is options.kind, else the kind
// whose size the picture has (also enlarged by a whole factor, as the PNG
// export writes it), else options.targetKind; a usage error when none
// applies. The picture is fitted to that kind's size, thresholded or
// dithered and inverted as options.picture says; a picture already of the
// kind's size in plain black and white keeps its pixels exactly. A file
// error for a missing or damaged picture.
LogoImage readPictureLogo(const QString &path, const LogoReadOptions &options);

// Written completely or not at all; a file error when that fails.
void writePngLogo(const LogoImage &image, const QString &path, const LogoWriteOptions &options);
void writeXbmLogo(const LogoImage &image, const QString &path, const LogoWriteOptions &options);
// The array is named after the file's base name.
void writeHeaderLogo(const LogoImage &image, const QString &path, const LogoWriteOptions &options);

}  // namespace glyphsmith::cli
