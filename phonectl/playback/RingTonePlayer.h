// Plays a ring tone note by note on a PlaybackOutput: note lengths from the
// tempo and the note text, the style gaps, the note table and the MIDI
// messages. All times are milliseconds.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "velkor17/Export.h"

namespace velkor17 {

class PlaybackOutput;
class RingToneSource;

class VELKOR17_EXPORT RingTonePlayer {
public:
    // Devices.
    static constexpr qint32 kSpeaker = 0;
    static constexpr qint32 kMidi = 1;
    static constexpr qint32 kPhone = 2;
    // Note styles.
    static constexpr qint32 kNatural = 0;
    static constexpr qint32 kContinuous = 1;
    static constexpr qint32 kStaccato = 2;

    // The first argument of the engine's play_tone.
    static constexpr qint32 kPhoneToneKind = 15;
    // Time the MIDI output stays open after the last note, so that it rings out.
    static constexpr qint32 kMidiCloseDelayMs = 1000;

    // Does not take ownership; `output` must outlive the player.
    explicit RingTonePlayer(PlaybackOutput &output);

    // Length of the note `text` (1-based `start`) in milliseconds at `tempo`
    // beats per minute; 0 for an empty text, a text beginning with "S", and a
    // tempo or length digit that gives no positive length.
    static qint32 NoteDuration(const QString &text, qint32 start, qint32 defaultDenominator,
                               qint32 tempo);

    // Plays one note name ("A5", "H5" = "B5") or pause ("P") for `ms` on `device`.
    // An unknown name or a note above MIDI 127 plays nothing and takes no time.
    void PlayNote(const QString &text, qint32 ms, qint32 device);

    void OpenMidi();
    void CloseMidi();
    void MidiNoteOn(qint32 note);
    void MidiNoteOff(qint32 note);
    void SendMidiSysEx(const QByteArray &bytes);
    bool isMidiOpen() const { return midiOpen_; }

    // Walks every note of `tone`. `stopFlag` is cleared at the start and read
    // after each note and its gap. A Play started while this player is already
    // playing (from an event let run during a note) returns at once.
    void Play(RingToneSource &tone, qint32 device, bool &stopFlag);
    bool isPlaying() const { return playing_; }

private:
    PlaybackOutput &output_;
    bool midiOpen_ = false;
    bool playing_ = false;
};

}  // namespace velkor17
