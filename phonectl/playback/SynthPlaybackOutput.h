// The PlaybackOutput that makes sound: speaker beeps as square waves and the
// MIDI output through the embedded synthesizer, both rendered into a
// SampleSink in chunks of at most kChunkMs; the phone's buzzer through a
// PhoneToneFunction.
#pragma once

#include <QStringList>
#include <vector>

#include "MidiSynth.h"
#include "PlaybackOutput.h"
#include "velkor17/Export.h"

namespace velkor17 {

class SampleSink;

class VELKOR17_EXPORT SynthPlaybackOutput : public PlaybackOutput {
public:
    static constexpr qint32 kChunkMs = 50;

    // Does not take ownership of `sink`, which must outlive the output.
    explicit SynthPlaybackOutput(SampleSink &sink,
                                 QStringList soundFonts = MidiSynth::defaultSoundFontPaths(),
                                 PhoneToneFunction phone = {});

    void beep(qint32 hz, qint32 ms) override;
    void midiOpen() override;
    void midiReset() override;
    void midiShortMessage(quint32 message) override;
    void midiLongMessage(const QByteArray &bytes) override;
    void midiClose() override;
    // Without a phone function: PE_NOT_SUPPORTED (5) at once.
    qint16 phoneTone(qint32 kind, qint32 tone, qint32 ms) override;
    void sleep(qint32 ms) override;
    void letEventsRun() override;

    void setPhoneTone(PhoneToneFunction phone) { phone_ = std::move(phone); }
    MidiSynth &synth() { return synth_; }

private:
    template <typename Fill>
    void renderInto(qint32 ms, Fill fill);

    SampleSink &sink_;
    MidiSynth synth_;
    PhoneToneFunction phone_;
    bool midiOpen_ = false;
    std::vector<qint16> chunk_;
};

}  // namespace velkor17
