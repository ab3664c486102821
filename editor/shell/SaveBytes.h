// All-or-nothing file writes for the editor's own files (GSP pictures, the
// settings file).
#pragma once

#include <QByteArray>
#include <QString>

namespace glyphsmith {

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path` only when every byte reached the disk; otherwise the temporary file
// is removed, `path` is left as it was and the result is false. (A write
// error found only when the buffer is flushed, such as a full disk, would
// otherwise still let the short file replace the old one.)
bool saveBytes(const QString &path, const QByteArray &bytes);

}  // namespace glyphsmith
