#include "capture/PortalStillPicture.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QEventLoop>
#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrl>

namespace glyphsmith {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");

}  // namespace

PortalStillPicture::PortalStillPicture(int timeoutMs) : timeoutMs_(timeoutMs) {}

QImage PortalStillPicture::takeStillPicture() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return {};
    }
    // The request object's path is known before the call, so the answer
    // cannot arrive before we listen for it.
    const QString token =
        QStringLiteral("glyphsmith%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    const QString requestPath = QStringLiteral("%1/request/%2/%3").arg(kPath, sender, token);
    const QString requestIface = QStringLiteral("org.freedesktop.portal.Request");
    bus.connect(kService, requestPath, requestIface, QStringLiteral("Response"), this,
                SLOT(onResponse(uint, QVariantMap)));

    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.portal.Screenshot"),
        QStringLiteral("Screenshot"));
    const QVariantMap options{{QStringLiteral("handle_token"), token},
                              {QStringLiteral("interactive"), false},
                              {QStringLiteral("modal"), true}};
    call << QString() << options;
    // the bus starts the portal on demand; without one the call fails at once
    const QDBusReply<QDBusObjectPath> reply = bus.call(call, QDBus::Block, 10000);

    uri_.clear();
    if (reply.isValid()) {
        QEventLoop loop;
        loop_ = &loop;
        QTimer::singleShot(timeoutMs_, &loop, &QEventLoop::quit);
        loop.exec();
        loop_ = nullptr;
    }
    bus.disconnect(kService, requestPath, requestIface, QStringLiteral("Response"), this,
                   SLOT(onResponse(uint, QVariantMap)));
    if (uri_.isEmpty()) {
        return {};
    }
    const QString file = QUrl(uri_).toLocalFile();
    QImageReader reader(file);
    const QImage picture = reader.read();
    // the portal leaves its picture in the user's pictures folder: it was
    // only ever ours to read
    QFile::remove(file);
    return picture;
}

void PortalStillPicture::onResponse(uint response, const QVariantMap &results) {
    if (response == 0) {
        uri_ = results.value(QStringLiteral("uri")).toString();
    }
    if (loop_) {
        loop_->quit();
    }
}

}  // namespace glyphsmith
