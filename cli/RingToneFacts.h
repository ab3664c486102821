// What the command line tells and changes about the engine's ring tone:
// transposition, playing length and smart-message size.
#pragma once

#include <QString>
#include <optional>

class FBRingTone;

namespace glyphsmith::cli {

// A note text ("8A#5.", "16P", a style change "SN") moved by `semitones`;
// pauses and style changes come back unchanged. Nothing when the note
// would leave the note table (C2 to G#10) or the text is no note.
std::optional<QString> transposedNote(const QString &note, int semitones);

// Moves every note of the tone; a file error naming the first note that
// would leave the note table (the tone is then unchanged).
void transposeRingTone(FBRingTone &tone, int semitones);

struct RingToneFacts {
    QString name;
    int tempo = 0;     // beats per minute
    int notes = 0;     // notes and pauses, style changes not counted
    int lengthMs = 0;  // as the player times it
    // The OTT payload's size in bytes and the SMS it needs; nothing when OTT
    // cannot hold the tone.
    std::optional<int> smartBytes;
    int smartMessages = 0;
};

RingToneFacts ringToneFacts(FBRingTone &tone);

// SMS needed for a smart message of `payloadBytes` bytes (7-byte header
// alone, 12-byte header per part when concatenated; 140 bytes per SMS).
int smartMessageCount(int payloadBytes);

}  // namespace glyphsmith::cli
