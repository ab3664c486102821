// libvelkor17-audio.so: the system's audio output through Qt Multimedia.
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include "AudioOutputModule.h"

namespace velkor17 {

namespace {

class QtAudioDevice final : public AudioOutputDevice {
public:
    QtAudioDevice(QAudioSink *sink, QIODevice *io, int channels)
        : sink_(sink), io_(io), channels_(channels) {}
    ~QtAudioDevice() override {
        sink_->stop();
        delete sink_;
    }

    int channels() const override { return channels_; }
    bool healthy() const override {
        return sink_->error() == QAudio::NoError || sink_->error() == QAudio::UnderrunError;
    }
    qsizetype bytesFree() const override { return sink_->bytesFree(); }
    qint64 write(const char *data, qsizetype bytes) override { return io_->write(data, bytes); }

private:
    QAudioSink *sink_;
    QIODevice *io_;
    int channels_;
};

class QtAudioOutput final : public AudioOutputModule {
public:
    bool hasOutput() const override { return !QMediaDevices::audioOutputs().isEmpty(); }

    std::unique_ptr<AudioOutputDevice> open(int sampleRate, int bufferMs) const override {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setSampleFormat(QAudioFormat::Int16);
        format.setChannelCount(1);
        if (!device.isNull() && !device.isFormatSupported(format)) {
            format.setChannelCount(2);
        }
        if (device.isNull() || !device.isFormatSupported(format)) {
            return nullptr;
        }
        auto *sink = new QAudioSink(device, format);
        sink->setBufferSize(qsizetype(format.bytesForDuration(qint64(bufferMs) * 1000)));
        QIODevice *io = sink->start();
        if (io == nullptr || sink->error() != QAudio::NoError ||
            sink->state() == QAudio::StoppedState) {
            sink->deleteLater();
            return nullptr;
        }
        return std::make_unique<QtAudioDevice>(sink, io, format.channelCount());
    }
};

}  // namespace

}  // namespace velkor17

extern "C" __attribute__((visibility("default"))) const velkor17::AudioOutputModule *
velkor17_audio_output_module() {
    static const velkor17::QtAudioOutput module;
    return &module;
}
