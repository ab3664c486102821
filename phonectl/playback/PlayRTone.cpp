#include "PlayRTone.h"

#include <QCoreApplication>
#include <memory>

#include "AudioOutputModule.h"
#include "BufferSampleSink.h"
#include "EngineBinding.h"
#include "LiveSampleSink.h"
#include "MidiFile.h"
#include "RingTonePlayer.h"
#include "SynthPlaybackOutput.h"
#include "WavFile.h"
#include "phoneeng.h"

namespace velkor17::PlayRTone {

namespace {

// The live output, made on first use. Its audio objects must go before the
// application object, so it is released by a post routine of the application.
struct LiveOutput {
    LiveSampleSink sink{true};
    SynthPlaybackOutput output{sink};
};

LiveOutput *liveOutput = nullptr;

// The phone's buzzer: the engine's play_tone, which returns when the tone is done.
PhoneToneFunction livePhone = [](qint32 kind, qint32 tone, qint32 ms) -> qint16 {
    return engine().play_tone(kind, tone, ms);
};

void releaseLiveOutput() {
    delete liveOutput;
    liveOutput = nullptr;
}

class ForwardingOutput : public PlaybackOutput {
public:
    PlaybackOutput *target = nullptr;

    PlaybackOutput &live() {
        if (liveOutput == nullptr) {
            liveOutput = new LiveOutput;
            liveOutput->output.setPhoneTone(livePhone);
            if (QCoreApplication::instance() != nullptr) {
                qAddPostRoutine(releaseLiveOutput);
            }
        }
        return liveOutput->output;
    }
    PlaybackOutput &current() { return target != nullptr ? *target : live(); }

    void beep(qint32 hz, qint32 ms) override { current().beep(hz, ms); }
    void midiOpen() override { current().midiOpen(); }
    void midiReset() override { current().midiReset(); }
    void midiShortMessage(quint32 message) override { current().midiShortMessage(message); }
    void midiLongMessage(const QByteArray &bytes) override { current().midiLongMessage(bytes); }
    void midiClose() override { current().midiClose(); }
    qint16 phoneTone(qint32 kind, qint32 tone, qint32 ms) override {
        return current().phoneTone(kind, tone, ms);
    }
    void sleep(qint32 ms) override { current().sleep(ms); }
    void letEventsRun() override { current().letEventsRun(); }
};

ForwardingOutput &forwarding() {
    static ForwardingOutput output;
    return output;
}

}  // namespace

RingTonePlayer &player() {
    static RingTonePlayer player(forwarding());
    return player;
}

PlaybackOutput &output() {
    return forwarding().current();
}

PlaybackOutput *setOutput(PlaybackOutput *output) {
    PlaybackOutput *previous = forwarding().target;
    forwarding().target = output;
    return previous;
}

void setPhoneTone(PhoneToneFunction phone) {
    livePhone = std::move(phone);
    if (liveOutput != nullptr) {
        liveOutput->output.setPhoneTone(livePhone);
    }
}

qint32 NoteDuration(const QString &text, qint32 start, qint32 defaultDenominator, qint32 tempo) {
    return RingTonePlayer::NoteDuration(text, start, defaultDenominator, tempo);
}

void PlayNote(const QString &text, qint32 ms, qint32 device) {
    player().PlayNote(text, ms, device);
}

void OpenMidi() {
    player().OpenMidi();
}
void CloseMidi() {
    player().CloseMidi();
}
void MidiNoteOn(qint32 note) {
    player().MidiNoteOn(note);
}
void MidiNoteOff(qint32 note) {
    player().MidiNoteOff(note);
}
void SendMidiSysEx(const QByteArray &bytes) {
    player().SendMidiSysEx(bytes);
}

void Play(RingToneSource &tone, qint32 device, bool &stopFlag) {
    player().Play(tone, device, stopFlag);
}

qint16 RenderToWav(RingToneSource &tone, qint32 device, const QString &path) {
    if (device != RingTonePlayer::kSpeaker && device != RingTonePlayer::kMidi) {
        return PE_BAD_ARGUMENT;
    }
    BufferSampleSink sink;
    SynthPlaybackOutput output(sink);
    RingTonePlayer renderer(output);
    bool stop = false;
    renderer.Play(tone, device, stop);

    WavFile::Audio audio;
    audio.sampleRate = SampleSink::kSampleRate;
    audio.channels = 1;
    audio.samples = sink.samples();
    switch (WavFile::write(path, audio)) {
        case WavFile::WriteStatus::Ok:
            return PE_OK;
        case WavFile::WriteStatus::CannotOpen:
            return PE_FILE_OPEN;
        case WavFile::WriteStatus::CannotWrite:
            break;
    }
    return PE_FILE_WRITE;
}

qint16 RenderToMidi(RingToneSource &tone, const QString &name, const QString &path) {
    return MidiFile::write(path, MidiFile::fromRingTone(tone, name));
}

bool HasAudioOutput() {
    const AudioOutputModule *module = audioOutputModule();
    return module != nullptr && module->hasOutput();
}

}  // namespace velkor17::PlayRTone
