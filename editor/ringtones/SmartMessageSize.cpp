#include "ringtones/SmartMessageSize.h"

namespace glyphsmith {

namespace {

constexpr int kMaxNameChars = 15;
constexpr int kMaxInstructions = 255;
constexpr int kFirstScaleOctave = 5;
constexpr int kScales = 4;
// Field widths in bits.
constexpr int kStyleBits = 3 + 2;
constexpr int kTempoBits = 3 + 5;
constexpr int kScaleBits = 3 + 2;
constexpr int kNoteBits = 3 + 4 + 3 + 2;

}  // namespace

int SmartMessageSize::parts() const {
    if (!sendable()) {
        return 0;
    }
    return fitsOneSms() ? 1 : (bytes + kPartPayload - 1) / kPartPayload;
}

SmartMessageSize smartMessageSize(const QString &name, const QStringList &notes) {
    SmartMessageSize size;
    int instructions = 2;  // the first style and the tempo
    int bits = kStyleBits + kTempoBits;
    int scale = -1;
    for (int i = 0; i < notes.size(); ++i) {
        if (isStyleEntry(notes[i])) {
            ++instructions;
            bits += kStyleBits;
            continue;
        }
        const std::optional<RingToneNote> note = parseRingToneNote(notes[i]);
        const int s = note && !note->isPause() ? note->octave - kFirstScaleOctave : scale;
        if (!note || (!note->isPause() && (s < 0 || s >= kScales))) {
            size.problem = NoteProblem{i, notes[i]};
            return size;
        }
        if (s != scale) {
            ++instructions;
            bits += kScaleBits;
            scale = s;
        }
        ++instructions;
        bits += kNoteBits;
    }
    if (instructions > kMaxInstructions) {
        size.tooManyInstructions = true;
        size.problem = NoteProblem{-1, QString()};
        return size;
    }
    const int nameChars = int(qMin<qsizetype>(name.trimmed().size(), kMaxNameChars));
    // Two bytes of command parts and "ring tone programming" (padded); then
    // "sound", song type, name length and name, pattern count, pattern
    // header, loop and instruction count, the instructions, padding to a
    // byte, and the command end byte.
    const int songBits = 7 + 3 + 4 + 8 * nameChars + 8 + 3 + 2 + 4 + 8 + bits;
    size.bytes = 2 + (songBits + 7) / 8 + 1;
    return size;
}

QString describeSize(const SmartMessageSize &size) {
    if (size.tooManyInstructions) {
        return QStringLiteral("Too many notes to send as a smart message");
    }
    if (size.problem) {
        return QStringLiteral("Cannot be sent as a smart message: %1 (octaves 5 to 8 only)")
            .arg(describeNote(*size.problem));
    }
    if (size.fitsOneSms()) {
        return QStringLiteral("Smart message: %1 bytes, fits one SMS").arg(size.bytes);
    }
    return QStringLiteral("Smart message: %1 bytes, needs %2 SMS")
        .arg(size.bytes)
        .arg(size.parts());
}

}  // namespace glyphsmith
