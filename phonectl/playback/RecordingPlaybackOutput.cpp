#include "RecordingPlaybackOutput.h"

namespace velkor17 {

namespace {
const QString kEvents = QStringLiteral("events");
}

RecordingPlaybackOutput::RecordingPlaybackOutput(bool realTime) : realTime_(realTime) {}

void RecordingPlaybackOutput::beep(qint32 hz, qint32 ms) {
    record(QStringLiteral("beep %1 %2").arg(hz).arg(ms));
    pass(ms);
}

void RecordingPlaybackOutput::midiOpen() {
    record(QStringLiteral("midi-open"));
}

void RecordingPlaybackOutput::midiReset() {
    record(QStringLiteral("midi-reset"));
}

void RecordingPlaybackOutput::midiShortMessage(quint32 message) {
    record(QStringLiteral("midi 0x%1").arg(message, 6, 16, QLatin1Char('0')));
}

void RecordingPlaybackOutput::midiLongMessage(const QByteArray &bytes) {
    record(QStringLiteral("sysex ") + QString::fromLatin1(bytes.toHex(' ')));
}

void RecordingPlaybackOutput::midiClose() {
    record(QStringLiteral("midi-close"));
}

qint16 RecordingPlaybackOutput::phoneTone(qint32 kind, qint32 tone, qint32 ms) {
    record(QStringLiteral("phone %1 %2 %3").arg(kind).arg(tone).arg(ms));
    if (phoneResult_ == 0) {
        pass(ms);
    }
    return phoneResult_;
}

void RecordingPlaybackOutput::sleep(qint32 ms) {
    record(QStringLiteral("sleep %1").arg(ms));
    pass(ms);
}

void RecordingPlaybackOutput::letEventsRun() {
    record(kEvents);
    if (realTime_) {
        PlaybackClock::letEventsRun();
    }
}

QStringList RecordingPlaybackOutput::calls(bool withEventRuns) const {
    QStringList out;
    for (const QString &line : lines_) {
        if (withEventRuns || line != kEvents) {
            out << line;
        }
    }
    return out;
}

QStringList RecordingPlaybackOutput::timedCalls() const {
    QStringList out;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (lines_[i] != kEvents) {
            out << QStringLiteral("@%1 %2").arg(times_[i]).arg(lines_[i]);
        }
    }
    return out;
}

void RecordingPlaybackOutput::clear() {
    lines_.clear();
    times_.clear();
    elapsedMs_ = 0;
}

void RecordingPlaybackOutput::record(const QString &line) {
    lines_ << line;
    times_ << elapsedMs_;
}

void RecordingPlaybackOutput::pass(qint32 ms) {
    if (ms <= 0) {
        return;
    }
    elapsedMs_ += ms;
    if (realTime_) {
        clock_.wait(ms);
    }
}

}  // namespace velkor17
