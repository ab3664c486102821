// The control's picture features on the shared logo: turning a picture into
// logo pixels by brightness, and playing an animated GIF on the phone frame by
// frame from the control's 150 ms timer. Owned by one VelkorControl.
#pragma once

#include <QImage>
#include <QString>
#include <QVariant>

class FBLogo;

namespace velkor17 {

class LogoAnimator {
public:
    // Sets the logo's pixels from `picture` (0 = set where darker than
    // `threshold`, 1 = clear); pixels of `screenColor` (0x00BBGGRR) are left
    // as they were. The logo is not uploaded.
    void setLogoPicture(FBLogo &logo, const QImage &picture, qint16 threshold,
                        const QVariant &screenColor);
    // Loads the frames of an animated GIF file and stops the animation; an
    // empty or missing file changes nothing.
    void loadAnimation(const QString &gifFile, qint16 threshold);

    bool animate() const { return animate_; }
    void setAnimate(bool animate) { animate_ = animate; }
    // Whether a timer tick would show a frame.
    bool isActive() const { return animate_ && frameCount_ >= 1; }

    // One tick: puts the current frame into the logo and uploads it. True when
    // a frame went out; `frame` and `total` are then the event's arguments.
    bool step(FBLogo &logo, qint16 &frame, qint16 &total);

private:
    bool animate_ = false;
    qint32 frame_ = 0;
    qint32 frameCount_ = 0;
    QVariant threshold_;
};

}  // namespace velkor17
