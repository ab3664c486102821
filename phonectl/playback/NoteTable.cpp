#include "NoteTable.h"

#include <QHash>

namespace velkor17 {

namespace {

// Stored values (Hz): 440 x 2^((midi - 69) / 12) to three decimals, except
// eighteen rows that were kept 0.001 to 0.002 Hz above that rounding.
constexpr NoteTable::Row kRows[NoteTable::kSize] = {
    {"C2", 32.703},      {"C#2", 34.648},    {"D2", 36.708},      {"D#2", 38.891},
    {"E2", 41.203},      {"F2", 43.654},     {"F#2", 46.249},     {"G2", 48.999},
    {"G#2", 51.913},     {"A2", 55},         {"A#2", 58.27},      {"B2", 61.735},
    {"C3", 65.406},      {"C#3", 69.296},    {"D3", 73.416},      {"D#3", 77.782},
    {"E3", 82.407},      {"F3", 87.307},     {"F#3", 92.499},     {"G3", 97.999},
    {"G#3", 103.826},    {"A3", 110},        {"A#3", 116.541},    {"B3", 123.471},
    {"C4", 130.813},     {"C#4", 138.591},   {"D4", 146.832},     {"D#4", 155.564},
    {"E4", 164.814},     {"F4", 174.614},    {"F#4", 184.997},    {"G4", 195.998},
    {"G#4", 207.652},    {"A4", 220},        {"A#4", 233.082},    {"B4", 246.942},
    {"C5", 261.626},     {"C#5", 277.183},   {"D5", 293.665},     {"D#5", 311.127},
    {"E5", 329.628},     {"F5", 349.228},    {"F#5", 369.994},    {"G5", 391.995},
    {"G#5", 415.305},    {"A5", 440},        {"A#5", 466.164},    {"B5", 493.883},
    {"C6", 523.251},     {"C#6", 554.365},   {"D6", 587.33},      {"D#6", 622.254},
    {"E6", 659.255},     {"F6", 698.457},    {"F#6", 739.989},    {"G6", 783.991},
    {"G#6", 830.609},    {"A6", 880},        {"A#6", 932.328},    {"B6", 987.767},
    {"C7", 1046.502},    {"C#7", 1108.731},  {"D7", 1174.659},    {"D#7", 1244.508},
    {"E7", 1318.51},     {"F7", 1396.913},   {"F#7", 1479.978},   {"G7", 1567.982},
    {"G#7", 1661.219},   {"A7", 1760},       {"A#7", 1864.655},   {"B7", 1975.533},
    {"C8", 2093.005},    {"C#8", 2217.461},  {"D8", 2349.318},    {"D#8", 2489.016},
    {"E8", 2637.021},    {"F8", 2793.826},   {"F#8", 2959.956},   {"G8", 3135.964},
    {"G#8", 3322.438},   {"A8", 3520},       {"A#8", 3729.31},    {"B8", 3951.066},
    {"C9", 4186.009},    {"C#9", 4434.922},  {"D9", 4698.637},    {"D#9", 4978.032},
    {"E9", 5274.042},    {"F9", 5587.652},   {"F#9", 5919.912},   {"G9", 6271.928},
    {"G#9", 6644.876},   {"A9", 7040},       {"A#9", 7458.62},    {"B9", 7902.133},
    {"C10", 8372.019},   {"C#10", 8869.845}, {"D10", 9397.273},   {"D#10", 9956.064},
    {"E10", 10548.083},  {"F10", 11175.305}, {"F#10", 11839.823}, {"G10", 12543.855},
    {"G#10", 13289.752},
};

const QHash<QString, int> &positionsByName() {
    static const QHash<QString, int> positions = [] {
        QHash<QString, int> h;
        for (int k = 1; k <= NoteTable::kSize; ++k) {
            h.insert(QString::fromLatin1(kRows[k - 1].name), k);
        }
        return h;
    }();
    return positions;
}

}  // namespace

const NoteTable &NoteTable::instance() {
    static const NoteTable table;
    positionsByName();
    return table;
}

std::optional<double> NoteTable::frequency(const QString &name) const {
    const auto &positions = positionsByName();
    auto it = positions.constFind(name);
    if (it == positions.constEnd()) {
        return std::nullopt;
    }
    return kRows[*it - 1].frequency;
}

int NoteTable::positionOfFrequency(double hz) const {
    for (int k = 1; k <= kSize; ++k) {
        if (kRows[k - 1].frequency == hz) {
            return k;
        }
    }
    return 0;
}

const NoteTable::Row &NoteTable::row(int k) const {
    static constexpr Row kNone{"", 0.0};
    if (k < 1 || k > kSize) {
        return kNone;
    }
    return kRows[k - 1];
}

}  // namespace velkor17
