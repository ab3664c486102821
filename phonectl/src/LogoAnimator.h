// The control's picture features on the shared logo: turning a picture into
// logo pixels by brightness, and playing an animated GIF on the phone frame by
// frame from the control's 150 ms timer. Owned by one VelkorControl.
//
// The frames are the file's frames as Qt's reader composes them: each one is
// the whole animation canvas with the frame's own offset and the earlier
// frames' disposal already applied. Every frame is shown; the frame delays of
// the file are not used.
#pragma once

#include <QImage>
#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <optional>

#include "PictureFrames.h"

class FBLogo;

namespace velkor17 {

class LogoAnimator {
public:
    // The most the frames of one animation may hold in memory; reading stops
    // at the frame that would pass it.
    static constexpr qint64 kMaxFrameBytes = PictureFrames::kMaxBytes;

    // Sets the logo's pixels from `picture` (0 = set where darker than
    // `threshold`, 1 = clear); pixels of `screenColor` (a 0x00BBGGRR number
    // or a QColor) are left as they were. The logo is not uploaded.
    void setLogoPicture(FBLogo &logo, const QImage &picture, qint16 threshold,
                        const QVariant &screenColor);
    // Keeps `threshold` for the animation, then loads the frames of an
    // animated GIF file (any picture file Qt reads will do) and stops the
    // animation at frame 0; pending window messages run after each frame.
    // An empty name, a missing file or one with no readable frame changes
    // nothing else; a file damaged after some frames gives those frames.
    void loadAnimation(const QString &gifFile, qint16 threshold);

    bool animate() const { return animate_; }
    void setAnimate(bool animate) { animate_ = animate; }
    // Whether a timer tick would show a frame.
    bool isActive() const { return animate_ && frameCount_ >= 1; }
    qint32 frameCount() const { return frameCount_; }
    qint32 currentFrame() const { return frame_; }

    // One tick: runs `letMessagesRun` (the window messages), puts the current frame
    // into the logo (screen colour magenta), uploads it and moves on to the
    // next frame. True when a frame went out;
    // `frame` and `total` are then the LogoAnimation event's arguments.
    bool step(FBLogo &logo, qint16 &frame, qint16 &total,
              const std::function<void()> &letMessagesRun = {});

    // The frames of a picture file as Qt's reader composes them; nothing when
    // no frame can be read. `afterFrame`, when set, runs after each frame read.
    static std::optional<QVector<QImage>> readFrames(const QString &file,
                                                     const std::function<void()> &afterFrame = {}) {
        return PictureFrames::read(file, afterFrame);
    }

private:
    bool animate_ = false;
    qint32 frame_ = 0;
    qint32 frameCount_ = 0;
    QVariant threshold_;
    QVector<QImage> frames_;
};

}  // namespace velkor17
