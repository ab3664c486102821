// An embedded General MIDI synthesizer (FluidSynth with a GM sound font) that
// takes MIDI messages and renders 16-bit mono samples at
// SampleSink::kSampleRate. Without a sound font (or without the FluidSynth
// library, loaded on first use) it takes the messages and
// renders silence.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "velkor17/Export.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace velkor17 {

class VELKOR17_EXPORT MidiSynth {
public:
    // The usual places of a system GM sound font, in order of preference.
    static QStringList defaultSoundFontPaths();
    // The first of `candidates` that is a readable file, or "".
    static QString findSoundFont(const QStringList &candidates);

    explicit MidiSynth(QStringList soundFontCandidates = defaultSoundFontPaths());
    ~MidiSynth();
    MidiSynth(const MidiSynth &) = delete;
    MidiSynth &operator=(const MidiSynth &) = delete;

    // Creates the synthesizer and loads the sound font on first call (about
    // 0.1 s); true when it sounds.
    bool load();
    bool isLoaded() const { return synth_ != nullptr; }
    QString soundFontPath() const { return soundFontPath_; }

    // Back to the power-on state: all notes off, controllers and programs reset.
    void reset();
    // Silences every channel at once (no release).
    void allSoundsOff();
    // A short message: status in the low byte, data 1, data 2 above it.
    void shortMessage(quint32 message);
    // A system-exclusive message, F0 and F7 included.
    void systemExclusive(const QByteArray &message);
    // Renders `count` samples.
    void render(qint16 *out, qsizetype count);

private:
    QStringList candidates_;
    QString soundFontPath_;
    bool tried_ = false;
    _fluid_hashtable_t *settings_ = nullptr;
    _fluid_synth_t *synth_ = nullptr;
    std::vector<float> left_, right_;
};

}  // namespace velkor17
