#include "LogoAnimator.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "PictureToLogo.h"
#include "velkor17/FBLogo.h"

namespace velkor17 {

void LogoAnimator::setLogoPicture(FBLogo &logo, const QImage &picture, qint16 threshold,
                                  const QVariant &screenColor) {
    PictureToLogo::apply(logo, picture, threshold, PictureToLogo::screenColorOf(screenColor));
}

void LogoAnimator::loadAnimation(const QString &gifFile, qint16 threshold) {
    threshold_ = QVariant::fromValue<qint16>(threshold);
    if (gifFile.isEmpty() || !QFileInfo(gifFile).isFile()) {
        return;
    }
    // Ticks during the load (the window messages run after each frame) show
    // the old frames: the new ones replace them only once all are read.
    std::optional<QVector<QImage>> frames =
        readFrames(gifFile, [] { QCoreApplication::processEvents(); });
    if (!frames) {
        return;
    }
    animate_ = false;
    frames_ = std::move(*frames);
    frame_ = 0;
    frameCount_ = qint32(frames_.size());
}

bool LogoAnimator::step(FBLogo &logo, qint16 &frame, qint16 &total,
                        const std::function<void()> &letMessagesRun) {
    if (!isActive()) {
        return false;
    }
    // Moves on before anything can fail or a handler of the event can load
    // another animation.
    const qint32 shown = frame_ % frameCount_;
    const qint32 count = frameCount_;
    frame_ = (shown + 1) % frameCount_;
    // Held here: the window messages below may load another animation.
    const QImage picture = frames_.at(shown);
    if (letMessagesRun) {
        letMessagesRun();
    }
    PictureToLogo::apply(logo, picture, threshold_.toInt(), PictureToLogo::kDefaultScreenColor);
    logo.Upload();
    frame = qint16(shown);
    total = qint16(count);
    return true;
}

}  // namespace velkor17
