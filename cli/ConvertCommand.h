// "convert IN OUT" and "convert IN... --to FORMAT -o DIR": logos between the
// logo formats, ring tones between the ring tone formats.
#pragma once

#include <QStringList>

namespace glyphsmith::cli {

int runConvert(const QStringList &args);
extern const char *const kConvertHelp;

}  // namespace glyphsmith::cli
