#include "capture/ScreenSourceChoice.h"

#include <QGuiApplication>
#include <QScreen>

#include "capture/LiveScreenSource.h"
#include "capture/StillScreenSource.h"

namespace glyphsmith {

namespace {

bool waylandSession() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

}  // namespace

bool liveScreenReadable(const QImage &wholeScreen) {
    if (wholeScreen.isNull()) {
        return false;
    }
    const QImage rgb = wholeScreen.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if ((row[x] & 0xFFFFFF) != 0) {
                return true;
            }
        }
    }
    return false;
}

std::unique_ptr<ScreenSource> chooseScreenSource(bool liveReadable, StillPictureProvider &still) {
    if (liveReadable) {
        return std::make_unique<LiveScreenSource>();
    }
    QImage picture = still.takeStillPicture();
    if (picture.isNull()) {
        return nullptr;
    }
    return std::make_unique<StillScreenSource>(std::move(picture));
}

std::unique_ptr<ScreenSource> openScreenSource(StillPictureProvider &still) {
    bool readable = false;
    if (!waylandSession()) {
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            readable = liveScreenReadable(LiveScreenSource().grab(screen->geometry()));
        }
    }
    return chooseScreenSource(readable, still);
}

}  // namespace glyphsmith
