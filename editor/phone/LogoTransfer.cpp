#include "phone/LogoTransfer.h"

#include <QScopeGuard>

#include "document/LogoDocument.h"
#include "document/LogoKind.h"
#include "files/LogoFileController.h"
#include "phone/FrmInputIndex.h"
#include "phone/FrmPicIndex.h"
#include "phone/PhoneSession.h"
#include "phone/RunStep.h"
#include "shell/SharedValues.h"
#include "velkor17/FBLogo.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

namespace {

bool usesLocation(LogoKind kind) {
    return kind == kCallerGroupLogo || kind == kPictureMessage;
}

}  // namespace

LogoTransfer::LogoTransfer(VelkorControl &control, PhoneSession &session, LogoDocument &doc,
                           LogoFileController &files, SharedValues &shared, QWidget *dialogParent,
                           QObject *parent)
    : QObject(parent),
      control_(control),
      session_(session),
      doc_(doc),
      files_(files),
      shared_(shared),
      dialogParent_(dialogParent) {}

void LogoTransfer::download() {
    emit statusText(QString());
    session_.ensureConnected();
    FBLogo *logo = control_.Logo();
    const auto type = static_cast<fbLogoType>(fbLogoTypeForKind(doc_.kind()));
    runStep([&] { logo->setLogoType(type); });
    runStep([&] { doc_.setLogoWidth(logo->Width()); });
    runStep([&] { doc_.setLogoHeight(logo->Height()); });
    // the file name goes too: Save must not write the download over it unasked
    emit replacingDocument();

    qint16 location = -1;
    if (usesLocation(doc_.kind())) {
        FrmInputIndex dialog(shared_, dialogParent_);
        dialog.exec();
        location = shared_.iLogoLocation;
        if (location == SharedValues::kNoLocation) {
            return;
        }
    }
    // a download that throws never reached the phone: it is a failure, not
    // the outcome of an earlier call still held in LastError
    bool ok = runStep([&] { logo->Download(type, location); });
    ok = ok && logo->LastError() == 0;
    if (!ok) {
        emit statusText(QStringLiteral("Problem Downloading Logo"));
        return;
    }
    emit statusText(QStringLiteral("Ready"));
    runStep([&] { emit netCodeDownloaded(logo->NetCode()); });
    runStep([&] { control_.Beep(); });
    emit busy(true);
    runStep([&] { files_.logoToCanvas(); });
    emit logoArrived();
    emit busy(false);
}

void LogoTransfer::upload(const QString &netCode) {
    emit statusText(QString());
    session_.ensureConnected();
    if (!usesLocation(doc_.kind())) {
        uploadTo(shared_.iLogoLocation, netCode);
        return;
    }
    FrmPicIndex dialog(shared_, dialogParent_);
    dialog.exec();
    if (shared_.iLogoLocation != SharedValues::kNoLocation) {
        uploadTo(shared_.iLogoLocation, netCode);
    }
}

void LogoTransfer::uploadTo(qint16 location, const QString &netCode) {
    emit busy(true);
    const auto normalPointer = qScopeGuard([this] { emit busy(false); });
    FBLogo *logo = control_.Logo();
    runStep([&] { logo->setLogoType(static_cast<fbLogoType>(fbLogoTypeForKind(doc_.kind()))); });
    runStep([&] { doc_.setLogoWidth(logo->Width()); });
    runStep([&] { doc_.setLogoHeight(logo->Height()); });
    runStep([&] { files_.canvasToLogo(); });
    runStep([&] { logo->setNetCode(netCode); });
    int type = fbNoLogo;
    runStep([&] { type = logo->LogoType(); });
    if (type != fbOperatorLogo && type != fbStartupLogo) {
        runStep([&] { logo->setCallerGroupNumber(location); });
        runStep([&] { logo->setMessageText(shared_.sPictureText); });
    }
    // an upload that throws is a failure whatever LastError still holds
    bool ok = runStep([&] { logo->Upload(); });
    ok = ok && logo->LastError() == 0;
    emit statusText(ok ? QStringLiteral("Ready") : QStringLiteral("Problem Uploading Logo"));
}

}  // namespace glyphsmith
