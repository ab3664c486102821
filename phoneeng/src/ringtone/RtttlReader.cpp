// The lenient RTTTL reader; the canonical writer is RtttlWriter.cpp.
#include "ringtone/Rtttl.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <vector>

#include "phoneeng.h"
#include "ringtone/NoteText.h"

namespace phoneeng {

namespace {

constexpr int kDefaultDenominator = 4;
constexpr int kDefaultOctave = 6;  // RTTTL octave
constexpr int kMaxValueDigits = 4;

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::string withoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (!isBlank(c)) {
            out += c;
        }
    }
    return out;
}

// The value of a run of digits making up all of `text`; nullopt otherwise.
std::optional<int> numberOf(std::string_view text) {
    if (text.empty() || text.size() > kMaxValueDigits) {
        return std::nullopt;
    }
    int v = 0;
    for (char c : text) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        v = v * 10 + (c - '0');
    }
    return v;
}

std::optional<RingToneStyle> styleOf(std::string_view value) {
    if (value.size() != 1) {
        return std::nullopt;
    }
    switch (lower(value.front())) {
        case 'n':
            return RingToneStyle::Natural;
        case 'c':
            return RingToneStyle::Continuous;
        case 's':
            return RingToneStyle::Staccato;
        default:
            return std::nullopt;
    }
}

class RtttlReader {
public:
    explicit RtttlReader(RingTone &tone) : tone_(tone) {}

    // One "key=value" (or "keyvalue") setting; `midSong` when it stands
    // between the notes.
    bool setting(char key, std::string_view value, bool midSong) {
        if (key == 's') {
            const auto style = styleOf(value);
            if (!style) {
                return false;
            }
            if (midSong) {
                return addEntry(styleText(*style));
            }
            tone_.initialStyle = *style;
            return true;
        }
        const auto number = numberOf(value);
        switch (key) {
            case 'd':
                if (!number || !isNoteDenominator(*number)) {
                    return false;
                }
                denominator_ = *number;
                return true;
            case 'o':
                if (!number || *number < 1 || *number > 9) {
                    return false;
                }
                octave_ = *number;
                return true;
            case 'b':
                if (!number || !isRingToneTempo(*number)) {
                    return false;
                }
                if (!sawNote_) {
                    tone_.tempo = *number;
                }
                return true;
            case 'l':
                if (!number || *number > RingTone::kMaxLoop) {
                    return false;
                }
                tone_.loop = *number;
                return true;
            default:
                return false;
        }
    }

    bool defaults(std::string_view section) {
        for (std::string_view item : split(section)) {
            const size_t eq = item.find('=');
            // Items that are no setting of ours ("v=2", "x") are ignored.
            if (eq == 1 && isKnownKey(item.front()) &&
                !setting(lower(item.front()), item.substr(2), false)) {
                return false;
            }
        }
        return true;
    }

    bool notes(std::string_view section) {
        for (std::string_view item : split(section)) {
            if (!token(item)) {
                return false;
            }
        }
        return true;
    }

private:
    static bool isKnownKey(char c) {
        const char k = lower(c);
        return k == 'd' || k == 'o' || k == 'b' || k == 's' || k == 'l';
    }

    static std::vector<std::string_view> split(std::string_view section) {
        std::vector<std::string_view> items;
        size_t start = 0;
        while (start <= section.size()) {
            const size_t comma = std::min(section.find(',', start), section.size());
            if (comma > start) {
                items.push_back(section.substr(start, comma - start));
            }
            start = comma + 1;
        }
        return items;
    }

    bool token(std::string_view item) {
        const char key = lower(item.front());
        if (const size_t eq = item.find('='); eq != std::string_view::npos) {
            return eq == 1 && isKnownKey(key) && setting(key, item.substr(2), true);
        }
        const std::string_view rest = item.substr(1);
        if (key == 's' || key == 'o' || key == 'l') {
            return setting(key, rest, true);
        }
        if (key == 'b' && rest.size() >= 2 && numberOf(rest)) {
            return setting(key, rest, true);
        }
        return note(item);
    }

    bool note(std::string_view item) {
        size_t at = 0;
        Note n;
        n.denominator = denominator_;
        if (isDigit(item[at])) {
            size_t end = at;
            while (end < item.size() && isDigit(item[end])) {
                ++end;
            }
            const auto d = numberOf(item.substr(at, end - at));
            if (!d || !isNoteDenominator(*d)) {
                return false;
            }
            n.denominator = *d;
            at = end;
        }
        if (at >= item.size()) {
            return false;
        }
        const char letter = lower(item[at++]);
        static constexpr std::array<std::pair<char, int>, 8> kLetters = {
            {{'c', 0}, {'d', 2}, {'e', 4}, {'f', 5}, {'g', 7}, {'a', 9}, {'b', 11}, {'h', 11}}};
        int semitone = -1;
        for (auto [l, s] : kLetters) {
            if (l == letter) {
                semitone = s;
            }
        }
        if (letter != 'p' && semitone < 0) {
            return false;
        }
        bool sharp = false;
        if (letter != 'p' && at < item.size() && item[at] == '#') {
            sharp = true;
            ++at;
        }
        auto takeDot = [&] {
            if (at < item.size() && item[at] == '.') {
                ++at;
                if (n.dotted) {
                    return false;
                }
                n.dotted = true;
            }
            return true;
        };
        if (!takeDot()) {
            return false;
        }
        int octave = octave_;
        if (at < item.size() && isDigit(item[at])) {
            size_t end = at;
            while (end < item.size() && isDigit(item[end])) {
                ++end;
            }
            const auto o = numberOf(item.substr(at, end - at));
            if (!o) {
                return false;
            }
            octave = *o;
            at = end;
        }
        if (!takeDot() || at != item.size()) {
            return false;
        }
        sawNote_ = true;
        if (letter == 'p') {
            return addEntry(noteText(n));
        }
        // E# is F; B# is the C of the next octave.
        n.semitone = semitone + (sharp ? 1 : 0);
        n.octave = octave + 1;
        if (n.semitone == 12) {
            n.semitone = 0;
            ++n.octave;
        }
        return isInNoteTable(n.semitone, n.octave) && addEntry(noteText(n));
    }

    bool addEntry(std::string text) {
        if (tone_.entries.size() >= RingTone::kMaxEntries) {
            return false;
        }
        tone_.entries.push_back(RingToneEntry{std::move(text), RingToneStyle::Natural});
        return true;
    }

    RingTone &tone_;
    int denominator_ = kDefaultDenominator;
    int octave_ = kDefaultOctave;
    bool sawNote_ = false;
};

}  // namespace

int16_t decodeRtttl(std::string_view text, RingTone &out) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    while (!text.empty() && (text.back() == '\0' || isBlank(text.back()))) {
        text.remove_suffix(1);
    }
    if (text.find('\0') != std::string_view::npos) {
        return PE_FILE_FORMAT;
    }
    const size_t first = text.find(':');
    if (first == std::string_view::npos) {
        return PE_FILE_FORMAT;
    }
    const size_t second = text.find(':', first + 1);
    if (second != std::string_view::npos && text.find(':', second + 1) != std::string_view::npos) {
        return PE_FILE_FORMAT;
    }
    const auto name = ringToneName(text.substr(0, first));
    if (!name) {
        return PE_FILE_FORMAT;
    }
    RingTone tone;
    tone.name = *name;
    RtttlReader reader(tone);
    std::string defaults;
    std::string notes;
    if (second == std::string_view::npos) {
        notes = withoutBlanks(text.substr(first + 1));
    } else {
        defaults = withoutBlanks(text.substr(first + 1, second - first - 1));
        notes = withoutBlanks(text.substr(second + 1));
    }
    if (!reader.defaults(defaults) || !reader.notes(notes)) {
        return PE_FILE_FORMAT;
    }
    reapplyStyles(tone);
    out = std::move(tone);
    return PE_OK;
}

}  // namespace phoneeng
