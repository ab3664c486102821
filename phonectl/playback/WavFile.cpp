#include "WavFile.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <cstring>
#include <limits>

namespace velkor17 {

namespace {

// A WAV image larger than this is refused on reading (about 3 hours of 48 kHz mono).
constexpr qint64 kMaxReadBytes = qint64(1) << 30;

void putU32(QByteArray &out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void putU16(QByteArray &out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

quint32 getU32(const char *p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 getU16(const char *p) {
    return qFromLittleEndian<quint16>(p);
}

void setError(QString *error, const QString &text) {
    if (error != nullptr) {
        *error = text;
    }
}

}  // namespace

QByteArray WavFile::encode(const Audio &audio) {
    const quint64 dataBytes = quint64(audio.samples.size()) * 2;
    const quint16 channels = quint16(audio.channels);
    const quint32 rate = quint32(audio.sampleRate);
    QByteArray out;
    out.reserve(qsizetype(44 + dataBytes));
    out.append("RIFF", 4);
    putU32(out, quint32(36 + dataBytes));
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    putU32(out, 16);
    putU16(out, 1);  // PCM
    putU16(out, channels);
    putU32(out, rate);
    putU32(out, rate * channels * 2);    // bytes per second
    putU16(out, quint16(channels * 2));  // block align
    putU16(out, 16);                     // bits per sample
    out.append("data", 4);
    putU32(out, quint32(dataBytes));
    for (qint16 s : audio.samples) {
        putU16(out, quint16(s));
    }
    return out;
}

std::optional<WavFile::Audio> WavFile::decode(const QByteArray &bytes, QString *error) {
    const char *p = bytes.constData();
    const qsizetype size = bytes.size();
    if (size < 12 || memcmp(p, "RIFF", 4) != 0 || memcmp(p + 8, "WAVE", 4) != 0) {
        setError(error, QStringLiteral("not a RIFF/WAVE file"));
        return std::nullopt;
    }
    Audio audio;
    bool haveFormat = false;
    qsizetype pos = 12;
    while (pos + 8 <= size) {
        const char *chunk = p + pos;
        const quint32 length = getU32(chunk + 4);
        const qsizetype bodyStart = pos + 8;
        if (qint64(length) > qint64(size - bodyStart)) {
            setError(error, QStringLiteral("chunk runs past the end of the file"));
            return std::nullopt;
        }
        if (memcmp(chunk, "fmt ", 4) == 0) {
            if (length < 16) {
                setError(error, QStringLiteral("format chunk too short"));
                return std::nullopt;
            }
            const char *f = p + bodyStart;
            if (getU16(f) != 1 || getU16(f + 14) != 16) {
                setError(error, QStringLiteral("not 16-bit PCM"));
                return std::nullopt;
            }
            audio.channels = getU16(f + 2);
            audio.sampleRate = int(getU32(f + 4));
            if (audio.channels < 1 || audio.sampleRate < 1) {
                setError(error, QStringLiteral("bad channel count or sample rate"));
                return std::nullopt;
            }
            haveFormat = true;
        } else if (memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) {
                setError(error, QStringLiteral("data before format"));
                return std::nullopt;
            }
            const qsizetype count = qsizetype(length / 2);
            audio.samples.resize(size_t(count));
            const char *d = p + bodyStart;
            for (qsizetype i = 0; i < count; ++i) {
                audio.samples[size_t(i)] = qint16(getU16(d + 2 * i));
            }
            return audio;
        }
        pos = bodyStart + qsizetype(length) + (length & 1);
    }
    setError(error, QStringLiteral("no data chunk"));
    return std::nullopt;
}

WavFile::WriteStatus WavFile::write(const QString &path, const Audio &audio, QString *error) {
    if (audio.channels < 1 || audio.sampleRate < 1 ||
        quint64(audio.samples.size()) * 2 + 36 > std::numeric_limits<quint32>::max()) {
        setError(error, QStringLiteral("audio cannot be stored as WAV"));
        return WriteStatus::CannotWrite;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return WriteStatus::CannotOpen;
    }
    const QByteArray image = encode(audio);
    // The flush catches a full disk before the commit could rename a short
    // file into place; an uncommitted file is dropped.
    if (file.write(image) != image.size() || !file.flush() || !file.commit()) {
        setError(error, file.errorString());
        return WriteStatus::CannotWrite;
    }
    return WriteStatus::Ok;
}

std::optional<WavFile::Audio> WavFile::read(const QString &path, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return std::nullopt;
    }
    if (file.size() > kMaxReadBytes) {
        setError(error, QStringLiteral("file too large"));
        return std::nullopt;
    }
    return decode(file.readAll(), error);
}

}  // namespace velkor17
