#include "AudioStream.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QMediaDevices>

#include "SampleSink.h"

namespace velkor17 {

AudioStream::AudioStream(QObject *parent) : QObject(parent) {
    feedTimer_.setInterval(kFeedIntervalMs);
    feedTimer_.setTimerType(Qt::PreciseTimer);
    connect(&feedTimer_, &QTimer::timeout, this, &AudioStream::feed);
}

AudioStream::~AudioStream() {
    close();
}

void AudioStream::enqueue(const qint16 *samples, qsizetype count) {
    if (sink_ == nullptr && !open()) {
        return;
    }
    if (channels_ == 1) {
        pending_.append(reinterpret_cast<const char *>(samples), count * qsizetype(sizeof(qint16)));
    } else {
        for (qsizetype i = 0; i < count; ++i) {
            for (int c = 0; c < channels_; ++c) {
                pending_.append(reinterpret_cast<const char *>(&samples[i]), sizeof(qint16));
            }
        }
    }
    feed();
}

bool AudioStream::open() {
    if (QCoreApplication::instance() == nullptr) {
        return false;
    }
    if (sinceFailure_.isValid() && sinceFailure_.elapsed() < kRetryMs) {
        return false;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(SampleSink::kSampleRate);
    format.setSampleFormat(QAudioFormat::Int16);
    format.setChannelCount(1);
    if (!device.isNull() && !device.isFormatSupported(format)) {
        format.setChannelCount(2);
    }
    if (device.isNull() || !device.isFormatSupported(format)) {
        sinceFailure_.start();
        return false;
    }
    auto *sink = new QAudioSink(device, format, this);
    sink->setBufferSize(qsizetype(format.bytesForDuration(qint64(kBufferMs) * 1000)));
    QIODevice *io = sink->start();
    if (io == nullptr || sink->error() != QAudio::NoError ||
        sink->state() == QAudio::StoppedState) {
        sink->deleteLater();
        sinceFailure_.start();
        return false;
    }
    sink_ = sink;
    io_ = io;
    channels_ = format.channelCount();
    sinceFailure_.invalidate();
    sinceDry_.invalidate();
    feedTimer_.start();
    return true;
}

void AudioStream::close() {
    feedTimer_.stop();
    pending_.clear();
    offset_ = 0;
    if (sink_ != nullptr) {
        sink_->stop();
        delete sink_;
        sink_ = nullptr;
        io_ = nullptr;
    }
}

void AudioStream::feed() {
    if (sink_ == nullptr) {
        return;
    }
    if (sink_->error() != QAudio::NoError && sink_->error() != QAudio::UnderrunError) {
        // The device went away or broke: drop the sound, keep the timing.
        close();
        sinceFailure_.start();
        return;
    }
    const qsizetype frameBytes = qsizetype(sizeof(qint16)) * channels_;
    qsizetype available = pending_.size() - offset_;
    if (available > 0) {
        qsizetype room = qMin<qsizetype>(sink_->bytesFree(), available);
        room -= room % frameBytes;
        if (room > 0) {
            const qint64 written = io_->write(pending_.constData() + offset_, room);
            if (written > 0) {
                offset_ += qsizetype(written);
            }
        }
        if (offset_ == pending_.size()) {
            pending_.clear();
            offset_ = 0;
        } else if (offset_ > (1 << 20)) {
            pending_.remove(0, offset_);
            offset_ = 0;
        }
        sinceDry_.invalidate();
        return;
    }
    // Nothing queued: close once the device has played everything and stayed dry.
    if (!sinceDry_.isValid()) {
        sinceDry_.start();
    } else if (sinceDry_.elapsed() >= kIdleCloseMs + kBufferMs) {
        close();
    }
}

}  // namespace velkor17
