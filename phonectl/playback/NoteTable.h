// The player's table of note names and frequencies: 105 rows from "C2"
// (MIDI note 24) to "G#10" (MIDI note 128), sharps written with "#".
#pragma once

#include <QString>
#include <optional>

#include "velkor17/Export.h"

namespace velkor17 {

class VELKOR17_EXPORT NoteTable {
public:
    static constexpr int kSize = 105;
    // Row k (1-based) has MIDI note number k + kMidiOffset.
    static constexpr int kMidiOffset = 23;

    struct Row {
        const char *name;
        double frequency;  // Hz
    };

    // The process-wide table, built on first use and never changed.
    static const NoteTable &instance();

    // Frequency in Hz of an upper-case note name ("A5" = 440), or nothing.
    std::optional<double> frequency(const QString &name) const;
    // 1-based position of the first row whose frequency equals `hz` exactly, or 0.
    int positionOfFrequency(double hz) const;
    // Row k, 1-based (1..kSize); an empty row with frequency 0 outside that range.
    const Row &row(int k) const;

private:
    NoteTable() = default;
};

}  // namespace velkor17
