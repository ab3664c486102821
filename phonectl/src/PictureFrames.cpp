#include "PictureFrames.h"

#include <QFileInfo>
#include <QImageReader>

namespace velkor17 {

std::optional<QVector<QImage>> PictureFrames::read(const QString &file,
                                                   const std::function<void()> &afterFrame) {
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        return std::nullopt;
    }
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    QVector<QImage> frames;
    qint64 bytes = 0;
    while (frames.size() < kMaxFrames && reader.canRead()) {
        const QImage frame = reader.read();
        if (frame.isNull()) {
            break;
        }
        bytes += frame.sizeInBytes();
        if (bytes > kMaxBytes) {
            break;
        }
        frames.push_back(frame);
        if (afterFrame) {
            afterFrame();
        }
        if (!reader.supportsAnimation()) {
            break;
        }
    }
    if (frames.isEmpty()) {
        return std::nullopt;
    }
    return frames;
}

}  // namespace velkor17
