// Feeds 16-bit mono samples at SampleSink::kSampleRate to the system's default
// audio output (Qt Multimedia in the audio output module, push mode). The device opens on the first
// samples and closes again after it has run dry for kIdleCloseMs. With no
// audio device or sound server the samples are dropped: nothing fails.
// Lives on the thread that created it and needs its event loop to turn.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

#include "velkor17/Export.h"

namespace velkor17 {

class AudioOutputDevice;

class VELKOR17_EXPORT AudioStream : public QObject {
    Q_OBJECT
public:
    static constexpr int kFeedIntervalMs = 10;
    static constexpr int kBufferMs = 250;
    static constexpr int kIdleCloseMs = 1000;
    // After a failed open, the device is not tried again for this long.
    static constexpr int kRetryMs = 5000;

    explicit AudioStream(QObject *parent = nullptr);
    ~AudioStream() override;

    void enqueue(const qint16 *samples, qsizetype count);
    // True while a device is open.
    bool isOpen() const { return device_ != nullptr; }
    // Samples queued but not yet handed to the device.
    qsizetype pendingSamples() const {
        return (pending_.size() - offset_) / qsizetype(sizeof(qint16));
    }

private:
    bool open();
    void close();
    void feed();

    std::unique_ptr<AudioOutputDevice> device_;
    int channels_ = 1;
    QByteArray pending_;  // device-format bytes
    qsizetype offset_ = 0;
    QTimer feedTimer_;
    QElapsedTimer sinceFailure_;
    QElapsedTimer sinceDry_;
};

}  // namespace velkor17
