// The call set's note texts: optional length digits (the denominator of a
// whole note), a note name of the player's table or "P" for a pause, and an
// optional "." for a dotted note: "4C6", "8A#5.", "16P". Table octaves run
// from "C2" to "G#10"; "A5" is 440 Hz (RTTTL a4). Style-change entries are
// "SN", "SC" and "SS" (natural, continuous, staccato).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ringtone/RingTone.h"

namespace phoneeng {

struct Note {
    int denominator = 4;  // 1, 2, 4, 8, 16 or 32
    int semitone = -1;    // 0 = C ... 11 = B; -1 for a pause
    int octave = 0;       // table octave 2..10; 0 for a pause
    bool dotted = false;

    bool isPause() const { return semitone < 0; }
    bool operator==(const Note &) const = default;
};

bool isNoteDenominator(int denominator);
// Whether the player's table holds the note ("C2" to "G#10").
bool isInNoteTable(int semitone, int octave);

// Reads a note text the player can play: any letter case, "H" for "B",
// surrounding blanks, the "." before or after the octave, leading zeros in
// the length, a missing length (a quarter note) and an octave after "P"
// (ignored). nullopt for anything else: another length, a flat or "E#"/"B#",
// a note outside the table, a second ".", stray characters.
std::optional<Note> parseNoteText(std::string_view text);

// The canonical text: length digits always, upper case, "#" sharps, "B",
// the dot last ("4C6", "8A#5.", "16P").
std::string noteText(const Note &note);

// "SN", "SC" or "SS", any case, blanks around, an "=" after the "S".
std::optional<RingToneStyle> parseStyleText(std::string_view text);
std::string styleText(RingToneStyle style);

// The canonical text of a note or style-change entry; nullopt when the text
// is neither.
std::optional<std::string> canonicalEntryText(std::string_view text);

// Note names without octave: "C", "C#", ... "B".
const char *semitoneName(int semitone);

}  // namespace phoneeng
