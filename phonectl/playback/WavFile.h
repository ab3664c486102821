// RIFF/WAVE files of 16-bit PCM samples.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "velkor17/Export.h"

namespace velkor17 {

class VELKOR17_EXPORT WavFile {
public:
    struct Audio {
        int sampleRate = 0;
        int channels = 0;
        std::vector<qint16> samples;  // interleaved by channel
    };

    // A complete file image (44-byte header, then the samples, little-endian).
    static QByteArray encode(const Audio &audio);
    // Reads a 16-bit PCM file image; other chunks are skipped. Nothing, with a
    // reason in `error`, for anything else or a damaged image.
    static std::optional<Audio> decode(const QByteArray &bytes, QString *error = nullptr);

    enum class WriteStatus { Ok, CannotOpen, CannotWrite };
    // Writes atomically (temporary file, then rename); on failure the old
    // file is untouched and `error` says why.
    static WriteStatus write(const QString &path, const Audio &audio, QString *error = nullptr);
    static std::optional<Audio> read(const QString &path, QString *error = nullptr);
};

}  // namespace velkor17
