// The engine's ring tone model: a name, a tempo and an ordered list of
// entries. A note entry's text follows the call set's note syntax ("4C6",
// "8A#5.", "16P"); an entry whose text begins with "S" is a style change read
// from a file and sets the style of the notes after it.
#pragma once

#include <cstdint>
#include <string>
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

    std::string name;
    int32_t tempo = kDefaultTempo;  // beats per minute
    // Repeats of the whole tune: 0 none, 1-14 repeats, 15 for ever.
    int32_t loop = 0;
    std::vector<RingToneEntry> entries;

    bool operator==(const RingTone &) const = default;
};

}  // namespace phoneeng
