#include "AudioStream.h"

#include <QCoreApplication>

#include "AudioOutputModule.h"
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
    if (device_ == nullptr && !open()) {
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
    const AudioOutputModule *module = audioOutputModule();
    device_ = module != nullptr ? module->open(SampleSink::kSampleRate, kBufferMs) : nullptr;
    if (device_ == nullptr) {
        sinceFailure_.start();
        return false;
    }
    channels_ = device_->channels();
    sinceFailure_.invalidate();
    sinceDry_.invalidate();
    feedTimer_.start();
    return true;
}

void AudioStream::close() {
    feedTimer_.stop();
    pending_.clear();
    offset_ = 0;
    device_.reset();
}

void AudioStream::feed() {
    if (device_ == nullptr) {
        return;
    }
    if (!device_->healthy()) {
        // The device went away or broke: drop the sound, keep the timing.
        close();
        sinceFailure_.start();
        return;
    }
    const qsizetype frameBytes = qsizetype(sizeof(qint16)) * channels_;
    qsizetype available = pending_.size() - offset_;
    if (available > 0) {
        qsizetype room = qMin<qsizetype>(device_->bytesFree(), available);
        room -= room % frameBytes;
        if (room > 0) {
            const qint64 written = device_->write(pending_.constData() + offset_, room);
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
