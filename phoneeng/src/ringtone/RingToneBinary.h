// The ring tone binary: the payload of a ring tone smart message (port
// 0x1581) and the content of .ott files. A bit stream: command parts,
// "ring tone programming", "sound", a basic song with its name (up to 15
// characters) and one pattern of instructions (style, tempo, scale, notes).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ringtone/RingTone.h"

namespace phoneeng {

// The tone as one pattern: its initial style, its tempo (the first table
// value at or above it), then the entries, with a scale instruction wherever
// the octave changes. The name is cut to 15 characters. Empty when the tone
// cannot be expressed: a note outside table octaves 5..8 (the four scales
// from A = 440 Hz up), or more than 255 instructions.
std::vector<uint8_t> encodeRingToneBinary(const RingTone &tone);

// On success fills `out` and returns PE_OK; otherwise returns PE_FILE_FORMAT
// and leaves `out` alone. Takes the unicode command (16-bit name characters),
// several patterns (their instructions in order, the first one's loop), and
// a missing command end. A scale of 880 Hz holds until the first scale
// instruction. The first style before any note is the initial style, every
// other style a style-change entry; the first tempo counts, later ones and
// volumes are ignored. Double-dotted notes are read as dotted and notes of
// 2/3 length as plain (the note texts have no such lengths). Refused: other
// song types, an unknown command or instruction, a note value over 12, a
// duration code over 5, style 3, more than 255 entries, a stream cut short.
int16_t decodeRingToneBinary(std::span<const uint8_t> bytes, RingTone &out);

}  // namespace phoneeng
