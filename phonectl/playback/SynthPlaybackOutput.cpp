#include "SynthPlaybackOutput.h"

#include <algorithm>

#include "SampleSink.h"
#include "SquareWave.h"
#include "phoneeng.h"

namespace velkor17 {

SynthPlaybackOutput::SynthPlaybackOutput(SampleSink &sink, QStringList soundFonts,
                                         PhoneToneFunction phone)
    : sink_(sink), synth_(std::move(soundFonts)), phone_(std::move(phone)) {}

template <typename Fill>
void SynthPlaybackOutput::renderInto(qint32 ms, Fill fill) {
    chunk_.resize(qsizetype(kChunkMs) * SampleSink::kSamplesPerMs);
    for (qint32 left = ms; left > 0;) {
        const qint32 part = std::min(left, kChunkMs);
        const qsizetype count = qsizetype(part) * SampleSink::kSamplesPerMs;
        fill(chunk_.data(), count);
        sink_.play(chunk_.data(), count);
        left -= part;
    }
}

void SynthPlaybackOutput::beep(qint32 hz, qint32 ms) {
    SquareWave wave(hz);
    renderInto(ms, [&wave](qint16 *out, qsizetype count) { wave.render(out, count); });
}

void SynthPlaybackOutput::midiOpen() {
    synth_.load();
    synth_.allSoundsOff();
    midiOpen_ = true;
}

void SynthPlaybackOutput::midiReset() {
    if (midiOpen_) {
        synth_.reset();
    }
}

void SynthPlaybackOutput::midiShortMessage(quint32 message) {
    if (midiOpen_) {
        synth_.shortMessage(message);
    }
}

void SynthPlaybackOutput::midiLongMessage(const QByteArray &bytes) {
    if (midiOpen_) {
        synth_.systemExclusive(bytes);
    }
}

void SynthPlaybackOutput::midiClose() {
    if (midiOpen_) {
        midiOpen_ = false;
        synth_.allSoundsOff();
    }
}

qint16 SynthPlaybackOutput::phoneTone(qint32 kind, qint32 tone, qint32 ms) {
    if (!phone_) {
        return PE_NOT_SUPPORTED;
    }
    return phone_(kind, tone, ms);
}

void SynthPlaybackOutput::sleep(qint32 ms) {
    if (midiOpen_) {
        renderInto(ms, [this](qint16 *out, qsizetype count) { synth_.render(out, count); });
    } else {
        renderInto(ms,
                   [](qint16 *out, qsizetype count) { std::fill(out, out + count, qint16(0)); });
    }
}

void SynthPlaybackOutput::letEventsRun() {
    sink_.letEventsRun();
}

}  // namespace velkor17
