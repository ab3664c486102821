// The frames of a picture file as Qt's reader composes them: each one is the
// whole animation canvas with the frame's own offset and the earlier frames'
// disposal already applied. Needs Qt Gui only (no widgets, no phone).
#pragma once

#include <QImage>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

namespace velkor17 {

class PictureFrames {
public:
    // The most the frames of one file may hold in memory; reading stops at
    // the frame that would pass it.
    static constexpr qint64 kMaxBytes = 128 * 1024 * 1024;
    // At most this many frames are read (frame numbers travel as 16 bits).
    static constexpr int kMaxFrames = 32767;

    // Every readable frame of `file` (any format Qt reads, recognised by
    // content); nothing when no frame can be read. A file damaged after some
    // frames gives those frames. `afterFrame`, when set, runs after each
    // frame read.
    static std::optional<QVector<QImage>> read(const QString &file,
                                               const std::function<void()> &afterFrame = {});
};

}  // namespace velkor17
