#include "LogoAnimator.h"

#include "velkor17/FBLogo.h"

namespace velkor17 {

void LogoAnimator::setLogoPicture(FBLogo &, const QImage &, qint16, const QVariant &) {
    // The picture conversion comes with the logo object's members.
}

void LogoAnimator::loadAnimation(const QString &, qint16 threshold) {
    threshold_ = QVariant::fromValue<qint16>(threshold);
}

bool LogoAnimator::step(FBLogo &, qint16 &, qint16 &) {
    if (!isActive()) {
        return false;
    }
    return false;
}

}  // namespace velkor17
