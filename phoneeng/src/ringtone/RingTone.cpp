#include "ringtone/RingTone.h"

#include "ringtone/NoteText.h"

namespace phoneeng {

bool isRingToneStyle(int32_t value) {
    return value >= 0 && value <= 2;
}

bool isRingToneTempo(int32_t bpm) {
    return bpm >= RingTone::kMinTempo && bpm <= RingTone::kMaxTempo;
}

bool isStyleChange(const RingToneEntry &entry) {
    return !entry.text.empty() && (entry.text.front() == 'S' || entry.text.front() == 's');
}

void reapplyStyles(RingTone &tone) {
    RingToneStyle style = tone.initialStyle;
    for (RingToneEntry &entry : tone.entries) {
        if (isStyleChange(entry)) {
            style = parseStyleText(entry.text).value_or(style);
        }
        entry.style = style;
    }
}

std::optional<std::string> ringToneName(std::string_view name) {
    // Byte-order marks count as blanks at the front: a file's own is gone
    // before the name is read, and one more would vanish on the next read.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    while (!name.empty()) {
        if (name.front() == ' ' || name.front() == '\t') {
            name.remove_prefix(1);
        } else if (name.starts_with(kByteOrderMark)) {
            name.remove_prefix(kByteOrderMark.size());
        } else {
            break;
        }
    }
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) {
        name.remove_suffix(1);
    }
    if (name.size() > RingTone::kMaxName) {
        return std::nullopt;
    }
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (c == ':' || u < 0x20 || u == 0x7F) {
            return std::nullopt;
        }
    }
    return std::string(name);
}

}  // namespace phoneeng
