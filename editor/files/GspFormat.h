// The picture-message text format GSP: no header; one line per pixel row,
// top row first; one character per pixel, leftmost first, "0" for a set
// (black) pixel and "1" for a clear one; CR LF after every line, the last
// included. The file holds neither size, kind nor message text: the reader
// applies the size of the logo being edited.
#pragma once

#include <QByteArray>
#include <QList>
#include <functional>

class QIODevice;

namespace glyphsmith {

// The GSP text of a width x height logo; `isSet(x, y)` tells a set pixel.
QByteArray encodeGsp(int width, int height, const std::function<bool(int x, int y)> &isSet);

// Reads up to `maxLines` lines from `in`, each cut to its first `width`
// characters. A line ends at CR LF, CR or LF; a last line without an end
// still counts. Fewer lines come back when the data ends first, and reading
// stops after kGspScanLimit bytes, so a huge or endless file costs no more
// than that.
QList<QByteArray> readGspLines(QIODevice &in, int maxLines, int width);
inline constexpr qint64 kGspScanLimit = 1 << 20;

// Whether pixel x of a GSP line is set: every character but "1" means set,
// and so does a character missing from a short line.
bool gspPixelSet(const QByteArray &line, int x);

}  // namespace glyphsmith
