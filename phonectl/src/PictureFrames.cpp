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
    // A frame larger than the whole budget is refused before it is decoded
    // (frames are 32-bit, 4 bytes a pixel).
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > kMaxBytes) {
        return std::nullopt;
    }
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
