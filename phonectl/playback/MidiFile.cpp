#include "MidiFile.h"

#include <QSaveFile>
#include <cmath>
#include <map>

#include "NoteTable.h"
#include "RingTonePlayer.h"
#include "RingToneSource.h"

namespace velkor17 {

namespace {

constexpr qint16 kOk = 0;
constexpr qint16 kFileOpen = 7;
constexpr qint16 kFileWrite = 9;
constexpr qint32 kDefaultTempo = 120;
constexpr quint8 kVelocity = 127;
// NoteDuration at this tempo gives a note's length in ticks: 240000 / 125
// is a whole note of 4 x kTicksPerQuarter.
constexpr qint32 kTickTempo = 240000 / (4 * MidiFile::kTicksPerQuarter);
static_assert(kTickTempo * 4 * MidiFile::kTicksPerQuarter == 240000);

qint32 roundHalfEven(double x) {
    return qint32(std::nearbyint(x));  // the default rounding mode is to even
}

void put16(QByteArray &out, quint32 v) {
    out.append(char((v >> 8) & 0xFF));
    out.append(char(v & 0xFF));
}
void put32(QByteArray &out, quint32 v) {
    put16(out, v >> 16);
    put16(out, v & 0xFFFF);
}
void putVarLen(QByteArray &out, quint32 v) {
    char bytes[5];
    int n = 0;
    bytes[n++] = char(v & 0x7F);
    while ((v >>= 7) != 0) {
        bytes[n++] = char(0x80 | (v & 0x7F));
    }
    while (n > 0) {
        out.append(bytes[--n]);
    }
}

void addSpan(std::vector<MidiFile::Span> &spans, int key, qint32 ticks) {
    if (ticks <= 0) {
        return;
    }
    if (key < 0 && !spans.empty() && spans.back().key < 0) {
        spans.back().ticks += ticks;
        return;
    }
    spans.push_back({key, ticks});
}

template <typename Read>
auto orDefault(Read read, decltype(read()) fallback) {
    try {
        return read();
    } catch (...) {
        return fallback;
    }
}

// Reads big-endian fields and variable-length numbers from a byte image.
class Reader {
public:
    Reader(const QByteArray &bytes, qsizetype begin, qsizetype end)
        : p_(bytes.constData()), at_(begin), end_(end) {}
    bool atEnd() const { return at_ >= end_; }
    qsizetype position() const { return at_; }
    bool byte(quint32 &v) {
        if (at_ >= end_) {
            return false;
        }
        v = quint8(p_[at_++]);
        return true;
    }
    bool fixed(int bytes, quint32 &v) {
        v = 0;
        for (int i = 0; i < bytes; ++i) {
            quint32 b = 0;
            if (!byte(b)) {
                return false;
            }
            v = (v << 8) | b;
        }
        return true;
    }
    bool varLen(quint32 &v) {
        v = 0;
        for (int i = 0; i < 4; ++i) {
            quint32 b = 0;
            if (!byte(b)) {
                return false;
            }
            v = (v << 7) | (b & 0x7F);
            if ((b & 0x80) == 0) {
                return true;
            }
        }
        return false;
    }
    bool skip(quint32 n) {
        if (qsizetype(n) > end_ - at_) {
            return false;
        }
        at_ += qsizetype(n);
        return true;
    }
    QByteArray take(quint32 n) {
        const QByteArray out(p_ + at_, qsizetype(n));
        at_ += qsizetype(n);
        return out;
    }

private:
    const char *p_;
    qsizetype at_;
    qsizetype end_;
};

// A note switched on or off at an absolute tick.
struct Edge {
    int key;
    bool on;
};
using Timeline = std::multimap<quint64, Edge>;

bool readTrack(Reader &r, Timeline &edges, MidiFile::Song &song, bool &haveTempo, QString &why) {
    quint64 now = 0;
    quint32 status = 0;
    while (!r.atEnd()) {
        quint32 delta = 0, b = 0;
        if (!r.varLen(delta) || !r.byte(b)) {
            why = QStringLiteral("event cut short");
            return false;
        }
        now += delta;
        if (b == 0xFF) {
            quint32 type = 0, length = 0;
            if (!r.byte(type) || !r.varLen(length)) {
                why = QStringLiteral("meta event cut short");
                return false;
            }
            if (!Reader(r).skip(length)) {
                why = QStringLiteral("meta event cut short");
                return false;
            }
            const QByteArray data = r.take(length);
            if (type == 0x51 && data.size() == 3 && !haveTempo) {
                song.microsPerQuarter =
                    (quint8(data[0]) << 16) | (quint8(data[1]) << 8) | quint8(data[2]);
                haveTempo = song.microsPerQuarter > 0;
            } else if (type == 0x03 && song.name.isEmpty()) {
                song.name = QString::fromLatin1(data);
            } else if (type == 0x2F) {
                edges.emplace(now, Edge{-1, false});  // the end keeps a final silence
                return true;
            }
            continue;
        }
        if (b == 0xF0 || b == 0xF7) {
            quint32 length = 0;
            if (!r.varLen(length) || !r.skip(length)) {
                why = QStringLiteral("system-exclusive event cut short");
                return false;
            }
            continue;
        }
        quint32 data1 = 0;
        if (b & 0x80) {
            status = b;
            if (!r.byte(data1)) {
                why = QStringLiteral("event cut short");
                return false;
            }
        } else if (status != 0) {
            data1 = b;  // running status
        } else {
            why = QStringLiteral("data byte without a status");
            return false;
        }
        const quint32 kind = status & 0xF0;
        quint32 data2 = 0;
        if (kind != 0xC0 && kind != 0xD0 && !r.byte(data2)) {
            why = QStringLiteral("event cut short");
            return false;
        }
        if (kind == 0x90 && data2 > 0) {
            edges.emplace(now, Edge{int(data1), true});
        } else if (kind == 0x80 || kind == 0x90) {
            edges.emplace(now, Edge{int(data1), false});
        }
    }
    why = QStringLiteral("track without an end");
    return false;
}

}  // namespace

MidiFile::Song MidiFile::fromRingTone(RingToneSource &tone, const QString &name) {
    Song song;
    song.name = name;
    const qint32 count = orDefault([&] { return tone.noteCount(); }, 0);
    qint32 bpm = orDefault([&] { return tone.tempo(); }, 0);
    if (bpm <= 0) {
        bpm = kDefaultTempo;
    }
    song.microsPerQuarter = roundHalfEven(60000000.0 / bpm);
    const NoteTable &table = NoteTable::instance();
    for (qint32 i = 0; i < count; ++i) {
        QString text = orDefault([&] { return tone.noteText(i); }, QString());
        qint32 length = RingTonePlayer::NoteDuration(text, 1, 4, kTickTempo);
        if (length <= 0) {
            continue;
        }
        qsizetype digits = 0;
        while (digits < text.size() && text[digits].isDigit()) {
            ++digits;
        }
        text.remove(0, digits);
        text.remove(QLatin1Char('.'));
        if (text.startsWith(QLatin1Char('P'), Qt::CaseInsensitive)) {
            addSpan(song.spans, -1, length);
            continue;
        }
        const QString noteName =
            text.trimmed().toUpper().replace(QLatin1Char('H'), QLatin1Char('B'));
        const std::optional<double> hz = table.frequency(noteName);
        const int key = hz ? table.positionOfFrequency(*hz) + NoteTable::kMidiOffset : 0;
        if (!hz || key > 127) {
            continue;  // the player plays nothing and lets no time pass
        }
        const qint32 style = orDefault([&] { return tone.noteStyle(i); }, 0);
        qint32 gap = 0;
        if (style == RingTonePlayer::kStaccato) {
            gap = roundHalfEven(length * 2.0 / 3.0);
        } else if (style != RingTonePlayer::kContinuous) {
            gap = roundHalfEven(length / 16.0);
        }
        if (gap == length) {
            gap = 0;
        }
        addSpan(song.spans, key, length - gap);
        addSpan(song.spans, -1, gap);
    }
    return song;
}

QByteArray MidiFile::encode(const Song &song) {
    QByteArray track;
    if (!song.name.isEmpty()) {
        const QByteArray name = song.name.toLatin1();
        putVarLen(track, 0);
        track.append("\xFF\x03", 2);
        putVarLen(track, quint32(name.size()));
        track.append(name);
    }
    putVarLen(track, 0);
    track.append("\xFF\x51\x03", 3);
    const quint32 tempo = quint32(qBound(1, song.microsPerQuarter, 0xFFFFFF));
    track.append(char(tempo >> 16)).append(char((tempo >> 8) & 0xFF)).append(char(tempo & 0xFF));
    quint32 pending = 0;  // silence before the next event
    for (const Span &span : song.spans) {
        if (span.ticks <= 0) {
            continue;
        }
        if (span.key < 0 || span.key > 127) {
            pending += quint32(span.ticks);
            continue;
        }
        putVarLen(track, pending);
        track.append(char(0x90)).append(char(span.key)).append(char(kVelocity));
        putVarLen(track, quint32(span.ticks));
        track.append(char(0x80)).append(char(span.key)).append(char(0));
        pending = 0;
    }
    putVarLen(track, pending);
    track.append("\xFF\x2F\x00", 3);

    QByteArray out("MThd", 4);
    put32(out, 6);
    put16(out, 0);  // format 0
    put16(out, 1);  // one track
    put16(out, quint32(qBound(1, song.ticksPerQuarter, 0x7FFF)));
    out.append("MTrk", 4);
    put32(out, quint32(track.size()));
    out.append(track);
    return out;
}

std::optional<MidiFile::Song> MidiFile::decode(const QByteArray &bytes, QString *error) {
    auto fail = [error](const QString &why) -> std::optional<Song> {
        if (error != nullptr) {
            *error = why;
        }
        return std::nullopt;
    };
    Reader head(bytes, 0, bytes.size());
    quint32 length = 0, format = 0, tracks = 0, division = 0;
    if (!bytes.startsWith("MThd") || !head.skip(4) || !head.fixed(4, length) || length < 6 ||
        !head.fixed(2, format) || !head.fixed(2, tracks) || !head.fixed(2, division) ||
        !head.skip(length - 6)) {
        return fail(QStringLiteral("not a Standard MIDI File"));
    }
    if (format > 1) {
        return fail(QStringLiteral("format %1 is not read").arg(format));
    }
    if ((division & 0x8000) != 0 || division == 0) {
        return fail(QStringLiteral("SMPTE or zero time division"));
    }
    Song song;
    song.ticksPerQuarter = int(division);
    song.microsPerQuarter = 500000;
    bool haveTempo = false;
    Timeline edges;
    qsizetype at = head.position();
    for (quint32 t = 0; t < tracks; ++t) {
        Reader chunk(bytes, at, bytes.size());
        quint32 id = 0, size = 0;
        if (!chunk.fixed(4, id) || !chunk.fixed(4, size) || !Reader(chunk).skip(size)) {
            return fail(QStringLiteral("track %1 cut short").arg(t + 1));
        }
        const qsizetype body = chunk.position();
        at = body + qsizetype(size);
        if (id != 0x4D54726B) {  // "MTrk"; other chunks are skipped
            ++tracks;
            continue;
        }
        Reader r(bytes, body, at);
        QString why;
        if (!readTrack(r, edges, song, haveTempo, why)) {
            return fail(QStringLiteral("track %1: %2").arg(t + 1).arg(why));
        }
    }
    // One line of sound: each edge ends the stretch before it.
    quint64 last = 0;
    int sounding = -1;
    for (const auto &[tick, edge] : edges) {
        addSpan(song.spans, sounding, qint32(qMin<quint64>(tick - last, 0x7FFFFFFF)));
        last = tick;
        if (edge.on) {
            sounding = edge.key;
        } else if (edge.key == sounding) {
            sounding = -1;
        }
    }
    return song;
}

qint16 MidiFile::write(const QString &path, const Song &song) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return kFileOpen;
    }
    const QByteArray image = encode(song);
    if (file.write(image) != image.size() || !file.commit()) {
        return kFileWrite;
    }
    return kOk;
}

}  // namespace velkor17
