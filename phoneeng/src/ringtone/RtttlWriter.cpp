// The canonical RTTTL writer; the lenient reader is RtttlReader.cpp.
#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "ringtone/NoteText.h"
#include "ringtone/Rtttl.h"

namespace phoneeng {

namespace {

constexpr int kDefaultDenominator = 4;

char lower(char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

// The value of `values` seen most often; ties go to the earlier preference.
int commonest(const std::vector<int> &values, std::initializer_list<int> preference, int fallback) {
    int best = fallback;
    size_t bestCount = 0;
    for (int candidate : preference) {
        const auto count = static_cast<size_t>(std::count(values.begin(), values.end(), candidate));
        if (count > bestCount) {
            best = candidate;
            bestCount = count;
        }
    }
    return best;
}

char styleLetter(RingToneStyle style) {
    switch (style) {
        case RingToneStyle::Continuous:
            return 'c';
        case RingToneStyle::Staccato:
            return 's';
        case RingToneStyle::Natural:
            break;
    }
    return 'n';
}

}  // namespace

std::string encodeRtttl(const RingTone &tone) {
    std::vector<std::optional<Note>> notes;
    std::vector<int> denominators;
    std::vector<int> octaves;
    for (const RingToneEntry &entry : tone.entries) {
        notes.push_back(isStyleChange(entry) ? std::nullopt : parseNoteText(entry.text));
        if (notes.back()) {
            denominators.push_back(notes.back()->denominator);
            if (!notes.back()->isPause()) {
                octaves.push_back(notes.back()->octave - 1);
            }
        }
    }
    const int d = commonest(denominators, {4, 8, 16, 2, 32, 1}, kDefaultDenominator);
    const int o = commonest(octaves, {5, 6, 4, 7, 3, 8, 2, 1, 9}, 5);

    std::string text = tone.name + ":d=" + std::to_string(d) + ",o=" + std::to_string(o) +
                       ",b=" + std::to_string(tone.tempo);
    if (tone.initialStyle != RingToneStyle::Natural) {
        text += ",s=";
        text += styleLetter(tone.initialStyle);
    }
    if (tone.loop != 0) {
        text += ",l=" + std::to_string(tone.loop);
    }
    text += ':';
    bool firstEntry = true;
    for (size_t i = 0; i < tone.entries.size(); ++i) {
        std::string item;
        if (isStyleChange(tone.entries[i])) {
            item =
                std::string("s") +
                styleLetter(parseStyleText(tone.entries[i].text).value_or(tone.entries[i].style));
        } else if (const auto &n = notes[i]) {
            if (n->denominator != d) {
                item += std::to_string(n->denominator);
            }
            if (n->isPause()) {
                item += 'p';
            } else {
                for (const char *c = semitoneName(n->semitone); *c; ++c) {
                    item += lower(*c);
                }
                if (n->octave - 1 != o) {
                    item += std::to_string(n->octave - 1);
                }
            }
            if (n->dotted) {
                item += '.';
            }
        } else {
            continue;  // not a note: nothing a reader could take
        }
        if (!firstEntry) {
            text += ',';
        }
        text += item;
        firstEntry = false;
    }
    return text;
}

}  // namespace phoneeng
