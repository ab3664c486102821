// The engine's ring tone model: a name, a tempo and an ordered list of
// entries. A note entry's text follows the call set's note syntax ("4C6",
// "8A#5.", "16P"; see NoteText.h); an entry whose text begins with "S" is a
// style change read from a file and sets the style of the notes after it.
//
// Styles are derived, never set one by one: every entry's style is that of
// the nearest style-change entry before it (its own for a style change), or
// `initialStyle` when there is none. reapplyStyles() restores this after an
// edit. A new tone: name "", tempo 63, no loop, natural style, no entries.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace phoneeng {

enum class RingToneStyle : int32_t { Natural = 0, Continuous = 1, Staccato = 2 };

struct RingToneEntry {
    std::string text;
    RingToneStyle style = RingToneStyle::Natural;
    bool operator==(const RingToneEntry &) const = default;
};

struct RingTone {
    static constexpr size_t kMaxName = 20;
    static constexpr size_t kMaxEntries = 255;
    static constexpr int32_t kDefaultTempo = 63;
    static constexpr int32_t kMinTempo = 25;   // beats per minute
    static constexpr int32_t kMaxTempo = 900;  // beats per minute
    static constexpr int32_t kMaxLoop = 15;

    std::string name;
    int32_t tempo = kDefaultTempo;  // beats per minute
    // Repeats of the whole tune: 0 none, 1-14 repeats, 15 for ever.
    int32_t loop = 0;
    // The style of the entries before the first style change.
    RingToneStyle initialStyle = RingToneStyle::Natural;
    std::vector<RingToneEntry> entries;

    bool operator==(const RingTone &) const = default;
};

bool isRingToneStyle(int32_t value);
bool isRingToneTempo(int32_t bpm);

// Whether the entry is a style change (its text begins with "S" or "s").
bool isStyleChange(const RingToneEntry &entry);

// Sets every entry's style from `initialStyle` and the style changes.
void reapplyStyles(RingTone &tone);

// The name as the tone keeps it: blanks around and byte-order marks in front
// removed; nullopt when it is longer than RingTone::kMaxName or holds a ":"
// or a control character (which no ring tone file could carry).
std::optional<std::string> ringToneName(std::string_view name);

}  // namespace phoneeng
