// The system's audio output behind a small interface: Qt Multimedia and the
// sound server client it pulls in live in a module (libvelkor17-audio.so,
// beside libvelkor17.so) loaded on first use, so that processes that never
// sound anything do not pay for loading them.
#pragma once

#include <QtGlobal>
#include <memory>

namespace velkor17 {

// An open, started output taking 16-bit samples interleaved by channel.
// Lives on the thread that opened it.
class AudioOutputDevice {
public:
    virtual ~AudioOutputDevice() = default;
    virtual int channels() const = 0;
    // False once the device went away or broke (an underrun is no failure).
    virtual bool healthy() const = 0;
    // Bytes the device takes now without blocking.
    virtual qsizetype bytesFree() const = 0;
    // Bytes taken, or -1.
    virtual qint64 write(const char *data, qsizetype bytes) = 0;
};

class AudioOutputModule {
public:
    // Whether the system lists an audio output.
    virtual bool hasOutput() const = 0;
    // The default output for `sampleRate` samples a second, mono where it
    // takes mono, else stereo, with a buffer of `bufferMs`, started; nullptr
    // when there is none or it does not start.
    virtual std::unique_ptr<AudioOutputDevice> open(int sampleRate, int bufferMs) const = 0;

protected:
    ~AudioOutputModule() = default;
};

// The module, loaded on the first call (thread-safe); nullptr when it cannot
// be loaded, in which case every caller goes on in silence.
const AudioOutputModule *audioOutputModule();

}  // namespace velkor17

// The module's one entry point: its AudioOutputModule, which lives as long
// as the process.
extern "C" using Velkor17AudioOutputEntry = const velkor17::AudioOutputModule * ();
#define VELKOR17_AUDIO_ENTRY "velkor17_audio_output_module"
#define VELKOR17_AUDIO_MODULE "libvelkor17-audio.so"
