#include "ringtones/RingToneNote.h"

namespace glyphsmith {

namespace {

const char *const kNames[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
constexpr int kMaxDigits = 3;

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Up to kMaxDigits digits at `at`; -1 when there are none or too many.
int readNumber(const QString &text, qsizetype &at) {
    const qsizetype start = at;
    int value = 0;
    while (at < text.size() && isDigit(text[at])) {
        if (at - start >= kMaxDigits) {
            return -1;
        }
        value = value * 10 + (text[at].unicode() - '0');
        ++at;
    }
    return at == start ? -1 : value;
}

int semitoneOfLetter(QChar letter) {
    switch (letter.toUpper().unicode()) {
        case 'C':
            return 0;
        case 'D':
            return 2;
        case 'E':
            return 4;
        case 'F':
            return 5;
        case 'G':
            return 7;
        case 'A':
            return 9;
        case 'B':
        case 'H':
            return 11;
        default:
            return -1;
    }
}

bool inTable(int semitone, int octave) {
    const int index = octave * 12 + semitone;
    return semitone >= 0 && index >= kLowestNoteIndex && index <= kHighestNoteIndex;
}

}  // namespace

std::optional<RingToneNote> parseRingToneNote(const QString &raw) {
    const QString text = raw.trimmed();
    RingToneNote note;
    qsizetype at = 0;
    if (at < text.size() && isDigit(text[at])) {
        const int d = readNumber(text, at);
        if (d != 1 && d != 2 && d != 4 && d != 8 && d != 16 && d != 32) {
            return std::nullopt;
        }
        note.length = text.left(at);
    }
    if (at >= text.size()) {
        return std::nullopt;
    }
    const QChar letter = text[at++].toUpper();
    auto takeDot = [&] {
        if (at < text.size() && text[at] == QLatin1Char('.')) {
            ++at;
            if (note.dotted) {
                return false;
            }
            note.dotted = true;
        }
        return true;
    };
    if (letter == QLatin1Char('P')) {
        if (!takeDot() || (at < text.size() && isDigit(text[at]) && readNumber(text, at) < 0) ||
            !takeDot() || at != text.size()) {
            return std::nullopt;
        }
        return note;
    }
    note.semitone = semitoneOfLetter(letter);
    if (note.semitone < 0) {
        return std::nullopt;
    }
    if (at < text.size() && text[at] == QLatin1Char('#')) {
        ++at;
        if (note.semitone == 4 || note.semitone == 11) {
            return std::nullopt;  // no E# or B#
        }
        ++note.semitone;
    }
    if (!takeDot()) {
        return std::nullopt;
    }
    note.octave = readNumber(text, at);
    if (!takeDot() || at != text.size() || !inTable(note.semitone, note.octave)) {
        return std::nullopt;
    }
    return note;
}

bool isStyleEntry(const QString &raw) {
    QString text = raw.trimmed().toUpper();
    if (!text.startsWith(QLatin1Char('S'))) {
        return false;
    }
    text.remove(0, text.startsWith(QLatin1String("S=")) ? 2 : 1);
    return text == QLatin1String("N") || text == QLatin1String("C") || text == QLatin1String("S");
}

bool isReadableEntry(const QString &text) {
    return isStyleEntry(text) || parseRingToneNote(text).has_value();
}

QString noteName(const RingToneNote &note) {
    if (note.isPause()) {
        return QStringLiteral("P");
    }
    return QLatin1String(kNames[note.semitone]) + QString::number(note.octave);
}

QString noteText(const RingToneNote &note) {
    return note.length + noteName(note) + (note.dotted ? QStringLiteral(".") : QString());
}

QString describeNote(const NoteProblem &problem) {
    return QStringLiteral("note %1: '%2'").arg(problem.index + 1).arg(problem.text);
}

std::optional<NoteProblem> firstUnreadableNote(const QStringList &notes) {
    for (int i = 0; i < notes.size(); ++i) {
        if (!isReadableEntry(notes[i])) {
            return NoteProblem{i, notes[i]};
        }
    }
    return std::nullopt;
}

TransposeResult transposeNotes(const QStringList &notes, int semitones) {
    TransposeResult result;
    QStringList moved;
    moved.reserve(notes.size());
    for (int i = 0; i < notes.size(); ++i) {
        if (isStyleEntry(notes[i])) {
            moved << notes[i];
            continue;
        }
        std::optional<RingToneNote> note = parseRingToneNote(notes[i]);
        if (!note) {
            result.refusal = NoteProblem{i, notes[i]};
            return result;
        }
        if (note->isPause()) {
            moved << notes[i];
            continue;
        }
        const int index = note->octave * 12 + note->semitone + semitones;
        if (index < kLowestNoteIndex || index > kHighestNoteIndex) {
            result.refusal = NoteProblem{i, notes[i]};
            result.outOfRange = true;
            return result;
        }
        note->octave = index / 12;
        note->semitone = index % 12;
        moved << noteText(*note);
    }
    result.notes = moved;
    return result;
}

}  // namespace glyphsmith
