// Reading the number typed into a logo location dialog.
#pragma once

#include <QString>

namespace glyphsmith {

// The number a text begins with, read the forgiving way: blanks, tabs and
// line feeds anywhere are ignored; then an optional sign, digits with an
// optional decimal point and an optional exponent ("E" or "D"), or "&H" /
// "&O" followed by hexadecimal / octal digits. Reading stops at the first
// character that does not fit; a text that does not begin with a number
// gives 0.
double leadingNumber(const QString &text);

// The 0-based location for a typed 1-based number: its value minus 1,
// rounded to the nearest whole number with halves going to the even one ("1"
// gives 0, "2.5" gives 1, "abc" gives -1). A result outside the 16-bit range
// gives SharedValues::kNoLocation.
qint16 locationFromText(const QString &text);

}  // namespace glyphsmith
