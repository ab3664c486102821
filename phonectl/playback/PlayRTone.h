// The process-wide ring tone player: one note table, one MIDI output and one
// current PlaybackOutput per process. By default the output is live (audio
// device, embedded MIDI synthesizer, the engine's play_tone for the phone);
// tests put a recording output in its place with setOutput().
//
// RenderToWav() plays a ring tone through the same walk and the same sound
// pipeline into a WAV file instead of the audio device, with the same timing
// (16-bit mono, 48000 Hz; MIDI renders include the one-second close delay).
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include "PlaybackOutput.h"
#include "velkor17/Export.h"

namespace velkor17 {

class RingTonePlayer;
class RingToneSource;

namespace PlayRTone {

// The player every FBRingTone plays through.
VELKOR17_EXPORT RingTonePlayer &player();

// The current output; replacing it (null restores the live one) returns the
// previous, which stays the caller's. Do not replace it while playing.
VELKOR17_EXPORT PlaybackOutput &output();
VELKOR17_EXPORT PlaybackOutput *setOutput(PlaybackOutput *output);
// The live output's phone buzzer (by default the engine's play_tone).
VELKOR17_EXPORT void setPhoneTone(PhoneToneFunction phone);

VELKOR17_EXPORT qint32 NoteDuration(const QString &text, qint32 start, qint32 defaultDenominator,
                                    qint32 tempo);
VELKOR17_EXPORT void PlayNote(const QString &text, qint32 ms, qint32 device);
VELKOR17_EXPORT void OpenMidi();
VELKOR17_EXPORT void CloseMidi();
VELKOR17_EXPORT void MidiNoteOn(qint32 note);
VELKOR17_EXPORT void MidiNoteOff(qint32 note);
VELKOR17_EXPORT void SendMidiSysEx(const QByteArray &bytes);
VELKOR17_EXPORT void Play(RingToneSource &tone, qint32 device, bool &stopFlag);

// Renders `tone` on `device` (0 speaker, 1 MIDI) into the WAV file `path`,
// written atomically. Returns an engine-style code: 0 done, 6 (bad argument)
// for another device, 7 when the file cannot be created, 9 when it cannot be
// written completely. Does not touch the process-wide player or output.
VELKOR17_EXPORT qint16 RenderToWav(RingToneSource &tone, qint32 device, const QString &path);

// Writes `tone` as a Standard MIDI File (MidiFile.h) named `name` to `path`,
// atomically. Returns 0 done, 7 when the file cannot be created, 9 when it
// cannot be written completely.
VELKOR17_EXPORT qint16 RenderToMidi(RingToneSource &tone, const QString &name, const QString &path);

// Whether the system offers an audio output; without one, live playback
// keeps its timing in silence.
VELKOR17_EXPORT bool HasAudioOutput();

}  // namespace PlayRTone
}  // namespace velkor17
