#include "LogoAnimator.h"

#include "PictureToLogo.h"
#include "velkor17/FBLogo.h"

namespace velkor17 {

void LogoAnimator::setLogoPicture(FBLogo &logo, const QImage &picture, qint16 threshold,
                                  const QVariant &screenColor) {
    PictureToLogo::apply(logo, picture, threshold, PictureToLogo::screenColorOf(screenColor));
}

void LogoAnimator::loadAnimation(const QString &gifFile, qint16 threshold) {
    std::optional<QVector<QImage>> frames = readFrames(gifFile);
    if (!frames) {
        return;
    }
    threshold_ = QVariant::fromValue<qint16>(threshold);
    animate_ = false;
    frames_ = std::move(*frames);
    frame_ = 0;
    frameCount_ = qint32(frames_.size());
}

bool LogoAnimator::step(FBLogo &logo, qint16 &frame, qint16 &total) {
    if (!isActive()) {
        return false;
    }
    // Moves on before anything can fail or a handler of the event can load
    // another animation.
    const qint32 shown = frame_ % frameCount_;
    frame_ = (shown + 1) % frameCount_;
    PictureToLogo::apply(logo, frames_.at(shown), threshold_.toInt(),
                         PictureToLogo::kDefaultScreenColor);
    logo.Upload();
    frame = qint16(shown);
    total = qint16(frameCount_);
    return true;
}

}  // namespace velkor17
