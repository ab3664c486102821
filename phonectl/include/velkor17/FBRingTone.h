// The library's view of the one ring tone the engine holds (interface
// "_FBRingTone"). The ring tone data live in the engine; the object keeps only
// its last error and the stop flag of a running playback. Engine failures show
// only in LastError; a missing engine or engine function throws VelkorError
// from every member but Play. The control hands out one shared FBRingTone.
//
// Note numbers, the note count, the tempo and the upload location go to the
// engine as 16-bit integers, a style as a 32-bit value. "Stores the code"
// below means the engine's result code becomes LastError; the other members
// leave LastError as it was.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include "velkor17/Dispatch.h"
#include "velkor17/Export.h"
#include "velkor17/VelkorEnums.h"

class VELKOR17_EXPORT FBRingTone : public QObject, public velkor17::Dispatch {
    Q_OBJECT

public:
    explicit FBRingTone(QObject *parent = nullptr);

    // velkor17::Dispatch
    QVariant invoke(qint32 dispId, velkor17::DispatchKind kind,
                    const QVariantList &args = {}) override;
    QString interfaceName() const override { return QStringLiteral("_FBRingTone"); }

    // ---- _FBRingTone, in slot order ------------------------------------------
    qint16 LastError() const { return lastError_; }
    // ringtone_readfile / ringtone_writefile; store the code.
    void ReadFile(const QString &sFileName);
    void WriteFile(const QString &sFileName);
    // ringtone_upload to location iDirect (from 1); stores the code.
    void Upload(qint16 iDirect = 0);
    fbRingtoneStyle NoteStyle(qint16 iNote);
    // The style of note 0 / ringtone_setdefstyle (code not stored).
    fbRingtoneStyle DefStyle();
    void setDefStyle(fbRingtoneStyle value);
    // ringtone_getnote into a 128-byte buffer, cut at NUL / ringtone_setnote;
    // both store the code.
    QString Note(qint16 iNote);
    void setNote(qint16 iNote, const QString &value);
    qint16 Notes();
    void setNotes(qint16 value);                  // stores the code
    qint16 Tempo();                               // beats per minute
    void setTempo(qint16 value);                  // stores the code
    QString Name();                               // stores the code
    void setName(const QString &value);           // stores the code
    void SendAsSMS(const QString &sDestination);  // stores the code
    // Plays every note on the PC speaker, the MIDI output or the phone's
    // buzzer, letting the host's events run before each note; returns when
    // done or, after StopPlayback, at the end of the current note. Errors are
    // ignored. A Play called while this one runs returns at once.
    void Play(fbPlayRingtone Device = fbPlayRingtoneMidi);
    void StopPlayback();

    // ---- Our own, beyond the dual interface ----------------------------------
    // Renders the ring tone as Play would sound it on Device (speaker or MIDI)
    // into the WAV file sFileName (16-bit mono, 48000 Hz, written atomically),
    // with the same note timing but no real-time waits. Stores a code: 0 done,
    // 6 for another device, 7 when the file cannot be created, 9 when it
    // cannot be written completely.
    void RenderToWav(const QString &sFileName, fbPlayRingtone Device = fbPlayRingtoneMidi);
    // Writes the ring tone as a Standard MIDI File (format 0, its tempo, one
    // note-on/off pair per note with the style's silence after it), written
    // atomically. Stores a code: 0 done, 7 when the file cannot be created,
    // 9 when it cannot be written completely.
    void RenderToMidi(const QString &sFileName);
    // Whether the system has an audio output for the speaker and MIDI
    // devices; without one Play keeps its timing silently.
    static bool HasAudioOutput();
    bool isStopRequested() const { return stopRequested_; }

private:
    qint16 lastError_ = 0;
    bool stopRequested_ = false;
};
