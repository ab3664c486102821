#include "ringtone/NoteText.h"

#include <cctype>

namespace phoneeng {

namespace {

constexpr const char *kNames[] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
constexpr int kMaxDigits = 3;

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Reads up to kMaxDigits digits at `at`; -1 when there are none or too many.
int readNumber(std::string_view text, size_t &at) {
    const size_t start = at;
    int value = 0;
    while (at < text.size() && isDigit(text[at])) {
        if (at - start >= kMaxDigits) {
            return -1;
        }
        value = value * 10 + (text[at] - '0');
        ++at;
    }
    return at == start ? -1 : value;
}

int semitoneOfLetter(char letter) {
    switch (upper(letter)) {
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

}  // namespace

bool isNoteDenominator(int d) {
    return d == 1 || d == 2 || d == 4 || d == 8 || d == 16 || d == 32;
}

bool isInNoteTable(int semitone, int octave) {
    if (semitone < 0 || semitone > 11 || octave < 2 || octave > 10) {
        return false;
    }
    return octave < 10 || semitone <= 8;  // the table ends at G#10
}

std::optional<Note> parseNoteText(std::string_view text) {
    text = trimmed(text);
    Note note;
    size_t at = 0;
    if (at < text.size() && isDigit(text[at])) {
        note.denominator = readNumber(text, at);
        if (!isNoteDenominator(note.denominator)) {
            return std::nullopt;
        }
    }
    if (at >= text.size()) {
        return std::nullopt;
    }
    const char letter = upper(text[at++]);
    auto takeDot = [&] {
        if (at < text.size() && text[at] == '.') {
            ++at;
            if (note.dotted) {
                return false;
            }
            note.dotted = true;
        }
        return true;
    };
    if (letter == 'P') {
        if (!takeDot()) {
            return std::nullopt;
        }
        if (at < text.size() && isDigit(text[at]) && readNumber(text, at) < 0) {
            return std::nullopt;
        }
        if (!takeDot() || at != text.size()) {
            return std::nullopt;
        }
        return note;
    }
    note.semitone = semitoneOfLetter(letter);
    if (note.semitone < 0) {
        return std::nullopt;
    }
    if (at < text.size() && text[at] == '#') {
        ++at;
        if (note.semitone == 4 || note.semitone == 11) {
            return std::nullopt;  // no E# or B# in the table
        }
        ++note.semitone;
    }
    if (!takeDot()) {
        return std::nullopt;
    }
    note.octave = readNumber(text, at);
    if (!takeDot() || at != text.size() || !isInNoteTable(note.semitone, note.octave)) {
        return std::nullopt;
    }
    return note;
}

std::string noteText(const Note &note) {
    std::string text = std::to_string(note.denominator);
    if (note.isPause()) {
        text += 'P';
    } else {
        text += kNames[note.semitone];
        text += std::to_string(note.octave);
    }
    if (note.dotted) {
        text += '.';
    }
    return text;
}

std::optional<RingToneStyle> parseStyleText(std::string_view text) {
    text = trimmed(text);
    if (text.empty() || upper(text.front()) != 'S') {
        return std::nullopt;
    }
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '=') {
        text.remove_prefix(1);
    }
    if (text.size() != 1) {
        return std::nullopt;
    }
    switch (upper(text.front())) {
        case 'N':
            return RingToneStyle::Natural;
        case 'C':
            return RingToneStyle::Continuous;
        case 'S':
            return RingToneStyle::Staccato;
        default:
            return std::nullopt;
    }
}

std::string styleText(RingToneStyle style) {
    switch (style) {
        case RingToneStyle::Continuous:
            return "SC";
        case RingToneStyle::Staccato:
            return "SS";
        case RingToneStyle::Natural:
            break;
    }
    return "SN";
}

std::optional<std::string> canonicalEntryText(std::string_view text) {
    if (const auto style = parseStyleText(text)) {
        return styleText(*style);
    }
    if (const auto note = parseNoteText(text)) {
        return noteText(*note);
    }
    return std::nullopt;
}

const char *semitoneName(int semitone) {
    return semitone >= 0 && semitone < 12 ? kNames[semitone] : "";
}

}  // namespace phoneeng
