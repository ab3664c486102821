#include "ringtone/RingToneBinary.h"

#include <array>
#include <bit>
#include <optional>

#include "phoneeng.h"
#include "ringtone/BitReader.h"
#include "ringtone/BitWriter.h"
#include "ringtone/NoteText.h"

namespace phoneeng {

namespace {

constexpr uint32_t kCommandParts = 2;
constexpr uint32_t kProgramming = 0b0100101;
constexpr uint32_t kUnicode = 0b0100010;
constexpr uint32_t kSound = 0b0011101;
constexpr uint32_t kBasicSong = 0b001;
constexpr size_t kMaxBinaryName = 15;
constexpr size_t kMaxInstructions = 255;

enum Instruction : uint32_t {
    kNote = 0b001,
    kScale = 0b010,
    kStyle = 0b011,
    kTempo = 0b100,
    kVolume = 0b101,
};

constexpr std::array<int, 32> kTempos = {25,  28,  31,  35,  40,  45,  50,  56,  63,  70,  80,
                                         90,  100, 112, 125, 140, 160, 180, 200, 225, 250, 285,
                                         320, 355, 400, 450, 500, 565, 635, 715, 800, 900};

// A scale's table octave: scale 0 holds A5 = 440 Hz.
constexpr int kFirstScaleOctave = 5;
constexpr uint32_t kDefaultScale = 1;

uint32_t tempoIndex(int bpm) {
    for (size_t i = 0; i < kTempos.size(); ++i) {
        if (kTempos[i] >= bpm) {
            return static_cast<uint32_t>(i);
        }
    }
    return static_cast<uint32_t>(kTempos.size() - 1);
}

struct Field {
    uint32_t value;
    int bits;
};
using Encoded = std::vector<Field>;

// The instruction fields for the tone's entries; nullopt when one cannot be
// expressed.
std::optional<std::vector<Encoded>> instructionsFor(const RingTone &tone) {
    std::vector<Encoded> out;
    out.push_back({{kStyle, 3}, {static_cast<uint32_t>(tone.initialStyle), 2}});
    out.push_back({{kTempo, 3}, {tempoIndex(tone.tempo), 5}});
    int scale = -1;
    for (const RingToneEntry &entry : tone.entries) {
        if (isStyleChange(entry)) {
            const RingToneStyle style = parseStyleText(entry.text).value_or(entry.style);
            out.push_back({{kStyle, 3}, {static_cast<uint32_t>(style), 2}});
            continue;
        }
        const auto note = parseNoteText(entry.text);
        if (!note) {
            return std::nullopt;
        }
        uint32_t value = 0;
        if (!note->isPause()) {
            const int s = note->octave - kFirstScaleOctave;
            if (s < 0 || s > 3) {
                return std::nullopt;
            }
            if (s != scale) {
                out.push_back({{kScale, 3}, {static_cast<uint32_t>(s), 2}});
                scale = s;
            }
            value = static_cast<uint32_t>(note->semitone + 1);
        }
        const auto duration = static_cast<uint32_t>(
            std::countr_zero(static_cast<unsigned>(note->denominator)));  // 1 -> 0 ... 32 -> 5
        out.push_back({{kNote, 3}, {value, 4}, {duration, 3}, {note->dotted ? 1u : 0u, 2}});
    }
    if (out.size() > kMaxInstructions) {
        return std::nullopt;
    }
    return out;
}

class BinaryReader {
public:
    explicit BinaryReader(std::span<const uint8_t> bytes) : bits_(bytes) {}

    bool read(RingTone &tone) {
        uint32_t parts = 0;
        if (!bits_.read(8, parts) || parts == 0) {
            return false;
        }
        for (uint32_t i = 0; i < parts; ++i) {
            uint32_t command = 0;
            if (!bits_.read(7, command)) {
                return false;
            }
            if (command == kProgramming) {
                bits_.align();
            } else if (command == kUnicode) {
                unicode_ = true;
                bits_.align();
            } else if (command == kSound) {
                return sound(tone);
            } else {
                return false;
            }
        }
        return false;  // no sound
    }

private:
    bool get(int bits, uint32_t &v) { return bits_.read(bits, v); }

    bool sound(RingTone &tone) {
        uint32_t songType = 0, nameLength = 0;
        if (!get(3, songType) || songType != kBasicSong || !get(4, nameLength)) {
            return false;
        }
        std::string name;
        for (uint32_t i = 0; i < nameLength; ++i) {
            uint32_t c = 0;
            if (!get(unicode_ ? 16 : 8, c)) {
                return false;
            }
            // Characters no ring tone text could carry become '?'.
            name += (c < 0x20 || c == ':' || c == 0x7F || c > 0xFF) ? '?' : static_cast<char>(c);
        }
        tone.name = ringToneName(name).value_or("");
        uint32_t patterns = 0;
        if (!get(8, patterns)) {
            return false;
        }
        for (uint32_t p = 0; p < patterns; ++p) {
            uint32_t header = 0, id = 0, loop = 0, count = 0;
            if (!get(3, header) || header != 0 || !get(2, id) || !get(4, loop) || !get(8, count)) {
                return false;
            }
            if (p == 0) {
                tone.loop = static_cast<int32_t>(loop);
            }
            for (uint32_t i = 0; i < count; ++i) {
                if (!instruction(tone)) {
                    return false;
                }
            }
        }
        return true;  // padding and the command end are not needed
    }

    bool instruction(RingTone &tone) {
        uint32_t type = 0;
        if (!get(3, type)) {
            return false;
        }
        uint32_t a = 0, b = 0, c = 0;
        switch (type) {
            case kNote: {
                if (!get(4, a) || !get(3, b) || !get(2, c) || a > 12 || b > 5) {
                    return false;
                }
                Note note;
                note.denominator = 1 << b;
                note.dotted = c == 1 || c == 2;
                if (a > 0) {
                    note.semitone = static_cast<int>(a) - 1;
                    note.octave = kFirstScaleOctave + static_cast<int>(scale_);
                }
                sawEntry_ = true;
                return add(tone, noteText(note));
            }
            case kScale:
                return get(2, scale_);
            case kStyle:
                if (!get(2, a) || a > 2) {
                    return false;
                }
                if (!sawEntry_ && !sawStyle_) {
                    sawStyle_ = true;
                    tone.initialStyle = static_cast<RingToneStyle>(a);
                    return true;
                }
                sawEntry_ = true;
                return add(tone, styleText(static_cast<RingToneStyle>(a)));
            case kTempo:
                if (!get(5, a)) {
                    return false;
                }
                if (!sawTempo_) {
                    sawTempo_ = true;
                    tone.tempo = kTempos[a];
                }
                return true;
            case kVolume:
                return get(4, a);
            default:
                return false;
        }
    }

    static bool add(RingTone &tone, std::string text) {
        if (tone.entries.size() >= RingTone::kMaxEntries) {
            return false;
        }
        tone.entries.push_back(RingToneEntry{std::move(text), RingToneStyle::Natural});
        return true;
    }

    BitReader bits_;
    bool unicode_ = false;
    uint32_t scale_ = kDefaultScale;
    bool sawEntry_ = false;
    bool sawStyle_ = false;
    bool sawTempo_ = false;
};

}  // namespace

std::vector<uint8_t> encodeRingToneBinary(const RingTone &tone) {
    const auto instructions = instructionsFor(tone);
    if (!instructions) {
        return {};
    }
    BitWriter w;
    w.put(kCommandParts, 8);
    w.put(kProgramming, 7);
    w.align();
    w.put(kSound, 7);
    w.put(kBasicSong, 3);
    const std::string name = tone.name.substr(0, kMaxBinaryName);
    w.put(static_cast<uint32_t>(name.size()), 4);
    for (char c : name) {
        w.put(static_cast<uint8_t>(c), 8);
    }
    w.put(1, 8);  // one pattern
    w.put(0, 3);  // pattern header
    w.put(0, 2);  // pattern A
    w.put(static_cast<uint32_t>(tone.loop) & 0xF, 4);
    w.put(static_cast<uint32_t>(instructions->size()), 8);
    for (const Encoded &instruction : *instructions) {
        for (const Field &f : instruction) {
            w.put(f.value, f.bits);
        }
    }
    w.align();
    w.put(0x00, 8);  // command end
    return w.bytes();
}

int16_t decodeRingToneBinary(std::span<const uint8_t> bytes, RingTone &out) {
    RingTone tone;
    BinaryReader reader(bytes);
    if (!reader.read(tone)) {
        return PE_FILE_FORMAT;
    }
    reapplyStyles(tone);
    out = std::move(tone);
    return PE_OK;
}

}  // namespace phoneeng
