// Where a still picture of the whole screen comes from when the live screen
// cannot be read (the desktop's screenshot portal in a normal run).
#pragma once

#include <QImage>

namespace glyphsmith {

class StillPictureProvider {
public:
    virtual ~StillPictureProvider() = default;
    // The picture, or a null image when none could be had (the user refused,
    // no portal answered...).
    virtual QImage takeStillPicture() = 0;
};

}  // namespace glyphsmith
