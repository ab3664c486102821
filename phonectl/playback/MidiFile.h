// Standard MIDI Files of a ring tone: format 0, one track, channel 1.
//
// A ring tone becomes a tempo event of its beats per minute and, per note,
// a note-on (velocity 127, as the player sends it) and a note-off, with the
// note's length in ticks split into sound and silence by the note's style as
// the player splits milliseconds. Lengths are in ticks of kTicksPerQuarter
// per quarter note, so every length the note texts can express (whole to
// dotted thirty-second) is a whole number of ticks. Pauses are silence;
// style changes, unknown note names and notes above MIDI 127 take no time,
// as in the player.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "velkor17/Export.h"

namespace velkor17 {

class RingToneSource;

class VELKOR17_EXPORT MidiFile {
public:
    static constexpr int kTicksPerQuarter = 480;

    // One stretch of the track: a sounding key, or silence (key -1).
    struct Span {
        int key = -1;  // MIDI note number, or -1 for silence
        qint32 ticks = 0;
        bool operator==(const Span &) const = default;
    };
    struct Song {
        qint32 microsPerQuarter = 500000;
        int ticksPerQuarter = kTicksPerQuarter;
        QString name;             // the track name, "" when there is none
        std::vector<Span> spans;  // in playing order; neighbouring silences merged
    };

    // The song a ring tone gives (any member of `tone` that throws counts as
    // an empty note, a zero tempo or the natural style, as in the player).
    // A tempo of no beat gives 120 beats per minute.
    static Song fromRingTone(RingToneSource &tone, const QString &name = QString());

    // The complete file image of `song` (its spans of 0 ticks are left out).
    static QByteArray encode(const Song &song);
    // Reads a format 0 or 1 file: tempo, the first track name and the notes
    // of every track merged in time on one line (overlapping notes end the
    // earlier one). Nothing, with a reason in `error`, for a damaged image or
    // SMPTE time.
    static std::optional<Song> decode(const QByteArray &bytes, QString *error = nullptr);

    // Writes `song` atomically. Engine-style code: 0 done, 7 when the file
    // cannot be created, 9 when it cannot be written completely.
    static qint16 write(const QString &path, const Song &song);
};

}  // namespace velkor17
