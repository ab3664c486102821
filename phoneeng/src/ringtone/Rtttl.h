// RTTTL ring tone text: name ":" defaults ":" notes, e.g.
// "Test:d=4,o=5,b=63:8c6,p,a#.,ss,2g". RTTTL octave n is table octave n + 1.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ringtone/RingTone.h"

namespace phoneeng {

// Reads leniently: any letter case and spacing, defaults in any order or
// missing (d=4, o=6, b=63), unknown keys ignored, the defaults section itself
// optional ("name:notes"), "b" or "h" for B, the dot before or after the
// octave, "e#" read as f and "b#"/"h#" as the next c, a UTF-8 byte-order
// mark, trailing commas. Extensions: "s=" style (n, c, s) and "l=" loop
// (0-15) in the defaults; between notes "o", "b", "d", "l" and "s" settings
// with or without "=" ("o=5", "o5", "b=120", "b120", "ss", "s=c"). A style
// between notes becomes a style-change entry in its place; a tempo between
// notes counts only before the first note (the tone has one tempo).
// PE_FILE_FORMAT, with `out` untouched, for: no ":", more than two ":", a
// name over 20 characters or with control characters, a length other than
// 1, 2, 4, 8, 16, 32, a tempo outside 25..900, an octave outside the
// player's table, more than 255 entries, any other stray text.
int16_t decodeRtttl(std::string_view text, RingTone &out);

// The canonical text, one line with no blanks: "name:d=D,o=O,b=T[,s=x][,l=L]:"
// then the entries, D and O being the commonest length and octave and
// written only where a note differs; style changes as "sn", "sc", "ss".
// Reading it back gives the same tone.
std::string encodeRtttl(const RingTone &tone);

}  // namespace phoneeng
