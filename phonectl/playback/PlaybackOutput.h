// What the ring tone player does to the outside world: the speaker, the MIDI
// output, the phone's buzzer and the passing of time. The live output sounds
// through the audio device; the WAV render and tests put their own in place.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <functional>

#include "velkor17/Export.h"

namespace velkor17 {

// Sounds `tone` (twice the frequency in Hz) on the phone's buzzer for `ms`
// milliseconds and returns when done; the result is an engine code.
using PhoneToneFunction = std::function<qint16(qint32 kind, qint32 tone, qint32 ms)>;

class VELKOR17_EXPORT PlaybackOutput {
public:
    virtual ~PlaybackOutput() = default;

    // A square wave of `hz` for `ms` milliseconds; returns after that time.
    virtual void beep(qint32 hz, qint32 ms) = 0;

    // The MIDI output: open, reset, one short message (status in the low
    // byte, then data 1 and data 2), one system-exclusive message (F0 .. F7
    // included), close. Messages while closed are dropped.
    virtual void midiOpen() = 0;
    virtual void midiReset() = 0;
    virtual void midiShortMessage(quint32 message) = 0;
    virtual void midiLongMessage(const QByteArray &bytes) = 0;
    virtual void midiClose() = 0;

    // The phone's buzzer; blocks as the engine's play_tone does.
    virtual qint16 phoneTone(qint32 kind, qint32 tone, qint32 ms) = 0;

    // Lets `ms` milliseconds pass (MIDI notes keep sounding meanwhile).
    virtual void sleep(qint32 ms) = 0;

    // Lets the host's pending events run (a Stop button's click arrives here).
    virtual void letEventsRun() = 0;
};

}  // namespace velkor17
