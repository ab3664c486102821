// Chooses what the capture window reads: the live screen where it can be
// read, otherwise a still picture of it.
#pragma once

#include <QImage>
#include <memory>

#include "capture/ScreenSource.h"
#include "capture/StillPictureProvider.h"

namespace glyphsmith {

// Whether a grab of the whole screen shows a readable screen: where reading
// is refused (Wayland) the grab comes back null or entirely black.
bool liveScreenReadable(const QImage &wholeScreen);

// The live screen when `liveReadable`, else a still picture from `still`;
// nullptr when neither can be had.
std::unique_ptr<ScreenSource> chooseScreenSource(bool liveReadable, StillPictureProvider &still);

// chooseScreenSource after a grab of the primary screen; a Wayland session
// never counts as readable (its grabs show only this program's own windows).
std::unique_ptr<ScreenSource> openScreenSource(StillPictureProvider &still);

}  // namespace glyphsmith
