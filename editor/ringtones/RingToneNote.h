// Note texts of a ring tone as the phone engine reads them: optional length
// digits (1, 2, 4, 8, 16 or 32, the denominator of a whole note), a note
// letter A to H ("H" = B) with an optional "#", or "P" for a pause, an
// octave of the player's table (C2 to G#10), and an optional "." (also
// before the octave). Entries beginning with "S" are style changes ("SN",
// "SC", "SS", "S=N"...). Any letter case, blanks around.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace glyphsmith {

struct RingToneNote {
    QString length;     // the length digits as written ("" for a quarter note)
    int semitone = -1;  // 0 = C ... 11 = B; -1 for a pause
    int octave = 0;     // table octave 2..10; 0 for a pause
    bool dotted = false;

    bool isPause() const { return semitone < 0; }
};

// A note's place on one scale: octave x 12 + semitone. The table spans
// C2 to G#10.
constexpr int kLowestNoteIndex = 2 * 12;
constexpr int kHighestNoteIndex = 10 * 12 + 8;

std::optional<RingToneNote> parseRingToneNote(const QString &text);
// Whether the engine reads `text` as a style change.
bool isStyleEntry(const QString &text);
// Whether the engine accepts `text` as an entry (a note or a style change).
bool isReadableEntry(const QString &text);
// "A#5"-style name of a note; "P" for a pause.
QString noteName(const RingToneNote &note);
// The text of a note: its length digits as written, the name, the dot last.
QString noteText(const RingToneNote &note);

// An entry of a ring tone's note list that a command cannot take.
struct NoteProblem {
    int index = 0;  // 0-based position in the list
    QString text;   // the entry as written
};
// "note 14: 'x9'" (the position counted from 1).
QString describeNote(const NoteProblem &problem);
// The first entry the engine cannot read, if any.
std::optional<NoteProblem> firstUnreadableNote(const QStringList &notes);

// The notes moved by `semitones`; pauses and style changes stay. Nothing
// changes when an entry cannot be read or a note would leave the table:
// then `refusal` names the first such entry.
struct TransposeResult {
    QStringList notes;
    std::optional<NoteProblem> refusal;
    bool outOfRange = false;  // the refusal is a note leaving the table
};
TransposeResult transposeNotes(const QStringList &notes, int semitones);

}  // namespace glyphsmith
