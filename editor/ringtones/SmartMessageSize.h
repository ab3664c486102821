// How many bytes a ring tone takes as a smart message, computed from its
// name and note list the way the phone engine packs it: one pattern of
// instructions (style, tempo, a scale wherever the octave changes, one per
// note or style change), the name cut to 15 characters.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "ringtones/RingToneNote.h"

namespace glyphsmith {

struct SmartMessageSize {
    // Payload bytes; 0 when the tone cannot be sent as a smart message.
    int bytes = 0;
    // Why it cannot: the first entry that cannot be read or lies outside the
    // four scales a smart message carries (octaves 5 to 8), or too many
    // instructions (problem without a note: index -1).
    std::optional<NoteProblem> problem;
    bool tooManyInstructions = false;

    bool sendable() const { return bytes > 0; }
    // Whether it fits the user data of one SMS beside its port header.
    bool fitsOneSms() const { return sendable() && bytes <= kOneSmsPayload; }
    // SMS parts the engine sends it in.
    int parts() const;

    static constexpr int kUserData = 140;
    static constexpr int kOneSmsPayload = kUserData - 7;  // 16-bit port header
    static constexpr int kPartPayload = kUserData - 12;   // port and concatenation
};

SmartMessageSize smartMessageSize(const QString &name, const QStringList &notes);

// "Smart message: 54 bytes, fits one SMS" and the like.
QString describeSize(const SmartMessageSize &size);

}  // namespace glyphsmith
