// A still picture of the screen from the desktop's screenshot portal
// (org.freedesktop.portal.Screenshot on the session bus), the way to read the
// screen where programs may not read it directly (Wayland sessions). The
// desktop may ask the user first; the call waits for its answer while the
// event loop runs.
#pragma once

#include <QObject>
#include <QVariantMap>

#include "capture/StillPictureProvider.h"

class QEventLoop;

namespace glyphsmith {

class PortalStillPicture : public QObject, public StillPictureProvider {
    Q_OBJECT
public:
    // `timeoutMs`: the longest wait for the portal's answer.
    explicit PortalStillPicture(int timeoutMs = 60000);
    QImage takeStillPicture() override;

private slots:
    void onResponse(uint response, const QVariantMap &results);

private:
    int timeoutMs_;
    QEventLoop *loop_ = nullptr;
    QString uri_;
};

}  // namespace glyphsmith
