// A PlaybackOutput that records every call as one line of text, on a virtual
// clock ("@500 beep 33 469"). Optionally it also really waits (keeping the
// event loop turning), for checks that need time to pass.
#pragma once

#include <QStringList>

#include "PlaybackClock.h"
#include "PlaybackOutput.h"
#include "velkor17/Export.h"

namespace velkor17 {

class VELKOR17_EXPORT RecordingPlaybackOutput : public PlaybackOutput {
public:
    explicit RecordingPlaybackOutput(bool realTime = false);

    void beep(qint32 hz, qint32 ms) override;
    void midiOpen() override;
    void midiReset() override;
    void midiShortMessage(quint32 message) override;
    void midiLongMessage(const QByteArray &bytes) override;
    void midiClose() override;
    qint16 phoneTone(qint32 kind, qint32 tone, qint32 ms) override;
    void sleep(qint32 ms) override;
    void letEventsRun() override;

    // Lines without the "@time " prefix: "beep 440 469", "midi-open",
    // "midi-reset", "midi 0x7f4590", "sysex f0 43 .. f7", "midi-close",
    // "phone 15 880 469", "sleep 31"; "events" only when asked for.
    QStringList calls(bool withEventRuns = false) const;
    // The same lines, each prefixed with the virtual time in ms: "@469 sleep 31".
    QStringList timedCalls() const;
    // Virtual milliseconds passed.
    qint64 elapsedMs() const { return elapsedMs_; }
    void clear();

    // Result code returned by phoneTone.
    void setPhoneResult(qint16 code) { phoneResult_ = code; }

private:
    void record(const QString &line);
    void pass(qint32 ms);

    bool realTime_;
    PlaybackClock clock_;
    QStringList lines_;
    QList<qint64> times_;
    qint64 elapsedMs_ = 0;
    qint16 phoneResult_ = 0;
};

}  // namespace velkor17
