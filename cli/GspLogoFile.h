// GSP files (the editor's picture-message text format) as LogoImages, read
// and written with the editor's GSP codec. A GSP file holds neither size nor
// kind: the reader takes them from `kind` when given, else from the size of
// the text (72 x 14 operator, 72 x 28 picture message, 84 x 48 startup).
#pragma once

#include <QString>
#include <optional>

#include "LogoImage.h"

namespace glyphsmith::cli {

// A file error when the file cannot be read, holds a character other than
// '0' and '1' in a row, or (without `kind`) has no logo kind's size.
LogoImage readGspLogoFile(const QString &path, std::optional<LogoKind> kind);
// Written through a temporary file renamed over `path`.
void writeGspLogoFile(const LogoImage &image, const QString &path);

}  // namespace glyphsmith::cli
