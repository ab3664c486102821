#include "MidiSynth.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

#include "FluidSynthLibrary.h"
#include "SampleSink.h"

namespace velkor17 {

namespace {

constexpr qsizetype kBlock = 4096;
// Output level: FluidSynth's own default (0.2) is quiet next to the speaker's square wave.
constexpr double kGain = 1.0;

// Valid once a synthesizer exists: it is made only when the library loaded.
const FluidSynthLibrary &fluid() {
    return *FluidSynthLibrary::get();
}

void quietFluidSynthLogging() {
    static const bool done = [] {
        fluid().fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
        fluid().fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
        fluid().fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
        return true;
    }();
    Q_UNUSED(done);
}

}  // namespace

QStringList MidiSynth::defaultSoundFontPaths() {
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty()) {
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return {
        QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
        QStringLiteral("/usr/share/soundfonts/default.sf2"),
        QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
        QStringLiteral("/usr/share/soundfonts/FluidR3_GM.sf2"),
        QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),
        QStringLiteral("/usr/local/share/soundfonts/default.sf2"),
        dataHome + QStringLiteral("/soundfonts/default.sf2"),
    };
}

QString MidiSynth::findSoundFont(const QStringList &candidates) {
    for (const QString &path : candidates) {
        const QFileInfo info(path);
        if (info.isFile() && info.isReadable()) {
            return info.absoluteFilePath();
        }
    }
    return {};
}

MidiSynth::MidiSynth(QStringList soundFontCandidates)
    : candidates_(std::move(soundFontCandidates)) {}

MidiSynth::~MidiSynth() {
    if (synth_ != nullptr) {
        fluid().delete_fluid_synth(synth_);
    }
    if (settings_ != nullptr) {
        fluid().delete_fluid_settings(settings_);
    }
}

bool MidiSynth::load() {
    if (tried_) {
        return isLoaded();
    }
    tried_ = true;
    const QString path = findSoundFont(candidates_);
    if (path.isEmpty() || FluidSynthLibrary::get() == nullptr) {
        return false;
    }
    quietFluidSynthLogging();
    settings_ = fluid().new_fluid_settings();
    if (settings_ == nullptr) {
        return false;
    }
    fluid().fluid_settings_setnum(settings_, "synth.sample-rate", SampleSink::kSampleRate);
    fluid().fluid_settings_setnum(settings_, "synth.gain", kGain);
    fluid().fluid_settings_setint(settings_, "synth.reverb.active", 0);
    fluid().fluid_settings_setint(settings_, "synth.chorus.active", 0);
    fluid_synth_t *synth = fluid().new_fluid_synth(settings_);
    if (synth == nullptr) {
        return false;
    }
    if (fluid().fluid_synth_sfload(synth, QFile::encodeName(path).constData(), 1) == FLUID_FAILED) {
        fluid().delete_fluid_synth(synth);
        return false;
    }
    synth_ = synth;
    soundFontPath_ = path;
    return true;
}

void MidiSynth::reset() {
    if (synth_ != nullptr) {
        fluid().fluid_synth_system_reset(synth_);
    }
}

void MidiSynth::allSoundsOff() {
    if (synth_ != nullptr) {
        fluid().fluid_synth_all_sounds_off(synth_, -1);
    }
}

void MidiSynth::shortMessage(quint32 message) {
    if (synth_ == nullptr) {
        return;
    }
    const int status = int(message & 0xFF);
    const int channel = status & 0x0F;
    const int data1 = int((message >> 8) & 0x7F);
    const int data2 = int((message >> 16) & 0x7F);
    switch (status & 0xF0) {
        case 0x80:
            fluid().fluid_synth_noteoff(synth_, channel, data1);
            break;
        case 0x90:
            if (data2 == 0) {
                fluid().fluid_synth_noteoff(synth_, channel, data1);
            } else {
                fluid().fluid_synth_noteon(synth_, channel, data1, data2);
            }
            break;
        case 0xA0:
            fluid().fluid_synth_key_pressure(synth_, channel, data1, data2);
            break;
        case 0xB0:
            fluid().fluid_synth_cc(synth_, channel, data1, data2);
            break;
        case 0xC0:
            fluid().fluid_synth_program_change(synth_, channel, data1);
            break;
        case 0xD0:
            fluid().fluid_synth_channel_pressure(synth_, channel, data1);
            break;
        case 0xE0:
            fluid().fluid_synth_pitch_bend(synth_, channel, data1 | (data2 << 7));
            break;
        default:
            if (status == 0xFF) {
                fluid().fluid_synth_system_reset(synth_);
            }
            break;  // running status and other system messages are not taken
    }
}

void MidiSynth::systemExclusive(const QByteArray &message) {
    if (synth_ == nullptr || message.size() < 2 || quint8(message.front()) != 0xF0 ||
        quint8(message.back()) != 0xF7) {
        return;
    }
    // FluidSynth takes the body without the framing bytes.
    const QByteArray body = message.mid(1, message.size() - 2);
    fluid().fluid_synth_sysex(synth_, body.constData(), int(body.size()), nullptr, nullptr, nullptr,
                              0);
}

void MidiSynth::render(qint16 *out, qsizetype count) {
    if (synth_ == nullptr) {
        std::fill(out, out + count, qint16(0));
        return;
    }
    left_.resize(kBlock);
    right_.resize(kBlock);
    for (qsizetype done = 0; done < count;) {
        const qsizetype n = std::min(kBlock, count - done);
        fluid().fluid_synth_write_float(synth_, int(n), left_.data(), 0, 1, right_.data(), 0, 1);
        for (qsizetype i = 0; i < n; ++i) {
            const double mono = (double(left_[i]) + double(right_[i])) * 0.5 * 32767.0;
            out[done + i] = qint16(std::clamp(std::lround(mono), -32768L, 32767L));
        }
        done += n;
    }
}

}  // namespace velkor17
