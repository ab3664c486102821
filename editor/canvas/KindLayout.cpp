#include "canvas/KindLayout.h"

#include "document/LogoKind.h"

namespace glyphsmith {

namespace {

const KindLayout kSmall = {
    QRect(215, 60, 432, 84),
    QRect(210, 55, 442, 94),
    QPoint(192, 218),
    QPoint(192, 239),
    QPoint(248, 210),
    QPoint(58, 176),
    true,
    4900,
    262,
};
const KindLayout kPicture = {
    QRect(215, 60, 432, 168),
    QRect(210, 55, 442, 178),
    QPoint(192, 258),
    QPoint(192, 279),
    QPoint(248, 250),
    QPoint(58, 176),
    true,
    5600,
    305,
};
const KindLayout kStartup = {
    QRect(185, 60, 504, 288),
    QRect(180, 55, 514, 298),
    QPoint(197, 376),
    QPoint(197, 397),
    QPoint(253, 368),
    QPoint(51, 173),
    false,
    7365,
    423,
};

}  // namespace

const KindLayout &kindLayout(LogoKind kind) {
    switch (kind) {
        case kPictureMessage:
            return kPicture;
        case kStartupLogo:
            return kStartup;
        default:
            return kSmall;
    }
}

int clientHeightForTwips(int windowHeightTwips) {
    return (windowHeightTwips + kTwipsPerPixel / 2) / kTwipsPerPixel - kDesignNonClientHeight;
}

}  // namespace glyphsmith
