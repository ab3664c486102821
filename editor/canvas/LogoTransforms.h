// Operations over the logo area of the document, done by the cell rules:
// pixels are read at their cell centres in the zoomed view (set only when
// exactly black) and written into both the view cell and the picture.
// `width` x `height` is the logo size in logo pixels, cut to 84 x 48.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

namespace glyphsmith {

class LogoDocument;

// Every set pixel becomes clear and every other pixel set.
void invertLogo(LogoDocument &doc, int width, int height);

// Swaps columns x and width - 1 - x for x = 0 to the nearest whole number of
// width / 2 - 1 (halves to even). Set pixels stay set, every other colour
// comes back clear.
void flipLogoHorizontal(LogoDocument &doc, int width, int height);

// The same over rows: swaps rows y and height - 1 - y.
void flipLogoVertical(LogoDocument &doc, int width, int height);

// Writes the clear colour into every logo pixel from column min(x1, x2) to
// max(x1, x2) and row min(y1, y2) to max(y1, y2), both ends included; pixels
// outside the picture are skipped.
void clearLogoRect(LogoDocument &doc, int x1, int y1, int x2, int y2);

// Copies `clip` into the document picture with its top-left pixel at
// `topLeft` (picture pixels); parts outside the picture are cut off. The view
// is left as it is.
void pasteIntoPicture(LogoDocument &doc, const QImage &clip, QPoint topLeft);

// The logo size to work on, from the size the library's logo object reported
// and its last error: the reported size when the call succeeded and the size
// fits the picture (1..84 x 1..48), otherwise `kindSize`, so that an engine
// that cannot answer never shrinks the logo to nothing.
QSize usableLogoSize(QSize reported, qint16 lastError, QSize kindSize);

}  // namespace glyphsmith
