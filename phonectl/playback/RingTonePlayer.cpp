#include "RingTonePlayer.h"

#include <cmath>
#include <limits>

#include "NoteTable.h"
#include "PlaybackOutput.h"
#include "RingToneSource.h"

namespace velkor17 {

namespace {

// Round half to even, saturated to the 32-bit range.
qint32 roundHalfEven(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    const double floor = std::floor(x);
    const double diff = x - floor;
    double r = floor;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0)) {
        r = floor + 1.0;
    }
    if (r >= double(std::numeric_limits<qint32>::max())) {
        return std::numeric_limits<qint32>::max();
    }
    if (r <= double(std::numeric_limits<qint32>::min())) {
        return std::numeric_limits<qint32>::min();
    }
    return qint32(r);
}

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The XG System On message, sent when the MIDI output opens.
const QByteArray &xgSystemOn() {
    static const QByteArray bytes("\xF0\x43\x10\x4C\x00\x00\x7E\x00\xF7", 9);
    return bytes;
}

class PlayingGuard {
public:
    explicit PlayingGuard(bool &flag) : flag_(flag) { flag_ = true; }
    ~PlayingGuard() { flag_ = false; }
    PlayingGuard(const PlayingGuard &) = delete;
    PlayingGuard &operator=(const PlayingGuard &) = delete;

private:
    bool &flag_;
};

}  // namespace

RingTonePlayer::RingTonePlayer(PlaybackOutput &output) : output_(output) {}

qint32 RingTonePlayer::NoteDuration(const QString &text, qint32 start, qint32 defaultDenominator,
                                    qint32 tempo) {
    QString token = text.mid(qMax(start, 1) - 1);
    const qsizetype comma = token.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        token.truncate(comma);
    }
    token = token.toUpper();
    if (token.isEmpty() || token.startsWith(QLatin1Char('S'))) {
        return 0;
    }

    qint64 denominator = defaultDenominator;
    if (isAsciiDigit(token.front())) {
        denominator = 0;
        for (qsizetype i = 0; i < token.size() && isAsciiDigit(token[i]); ++i) {
            denominator = denominator * 10 + (token[i].unicode() - '0');
            if (denominator > std::numeric_limits<qint32>::max()) {
                return 0;
            }
        }
    }
    // The product is a 32-bit integer; one that does not fit, or is not
    // positive, gives no playable length.
    const qint64 product = qint64(tempo) * denominator;
    if (product <= 0 || product > std::numeric_limits<qint32>::max()) {
        return 0;
    }
    qint32 d = roundHalfEven(240000.0 / double(product));
    if (token.contains(QLatin1Char('.'))) {
        d = roundHalfEven(d * 1.5);
    }
    return d;
}

void RingTonePlayer::PlayNote(const QString &text, qint32 ms, qint32 device) {
    const NoteTable &table = NoteTable::instance();
    output_.letEventsRun();
    if (text.startsWith(QLatin1Char('P')) || text.startsWith(QLatin1Char('p'))) {
        if (ms > 0) {
            output_.sleep(ms);
        }
        return;
    }
    const QString name = text.trimmed().toUpper().replace(QLatin1Char('H'), QLatin1Char('B'));
    const std::optional<double> hz = table.frequency(name);
    if (!hz) {
        return;
    }
    try {
        switch (device) {
            case kSpeaker:
                output_.beep(roundHalfEven(*hz), ms);
                break;
            case kMidi: {
                const int k = table.positionOfFrequency(*hz);
                const qint32 note = k + NoteTable::kMidiOffset;
                if (k == 0 || note > 127) {
                    return;
                }
                MidiNoteOn(note);
                output_.sleep(ms);
                MidiNoteOff(note);
                break;
            }
            case kPhone:
                output_.phoneTone(kPhoneToneKind, roundHalfEven(*hz * 2), ms);
                break;
            default:
                break;
        }
    } catch (...) {
        // A failing device ends this note silently.
    }
}

void RingTonePlayer::OpenMidi() {
    CloseMidi();
    output_.midiOpen();
    output_.midiReset();
    SendMidiSysEx(xgSystemOn());
    midiOpen_ = true;
}

void RingTonePlayer::CloseMidi() {
    if (midiOpen_) {
        midiOpen_ = false;
        output_.midiClose();
    }
}

void RingTonePlayer::MidiNoteOn(qint32 note) {
    // Note-on, channel 1, velocity 127.
    output_.midiShortMessage(quint32(0x7F0090 + note * 256));
}

void RingTonePlayer::MidiNoteOff(qint32 note) {
    // Note-off, channel 1, velocity 0.
    output_.midiShortMessage(quint32(0x80 + note * 256));
}

void RingTonePlayer::SendMidiSysEx(const QByteArray &bytes) {
    output_.midiLongMessage(bytes);
}

void RingTonePlayer::Play(RingToneSource &tone, qint32 device, bool &stopFlag) {
    if (playing_) {
        return;
    }
    PlayingGuard guard(playing_);

    qint32 count = 0;
    qint32 tempo = 0;
    try {
        count = tone.noteCount();
    } catch (...) {
    }
    try {
        tempo = tone.tempo();
    } catch (...) {
    }
    stopFlag = false;
    if (device == kMidi) {
        OpenMidi();
    }

    for (qint32 i = 0; i < count; ++i) {
        QString text;
        try {
            text = tone.noteText(i);
        } catch (...) {
        }
        qint32 d = NoteDuration(text, 1, 4, tempo);
        if (d > 0) {
            qsizetype digits = 0;
            while (digits < text.size() && isAsciiDigit(text[digits])) {
                ++digits;
            }
            text.remove(0, digits);
            text.remove(QLatin1Char('.'));

            qint32 style = kNatural;
            try {
                style = tone.noteStyle(i);
            } catch (...) {
            }
            qint32 gap = 0;
            if (style == kContinuous) {
                gap = 0;
            } else if (style == kStaccato) {
                gap = roundHalfEven(d * 2.0 / 3.0);
            } else {
                gap = roundHalfEven(d / 16.0);
            }
            if (gap == d) {
                gap = 0;
            }
            d -= gap;
            PlayNote(text, d, device);
            if (gap > 0) {
                PlayNote(QStringLiteral("p"), gap, device);
            }
        }
        if (stopFlag) {
            break;
        }
    }

    if (device == kMidi) {
        output_.sleep(kMidiCloseDelayMs);
        CloseMidi();
    }
}

}  // namespace velkor17
