// Logo download and upload of the main window, through the control's shared
// logo object. Each step that fails is skipped and the command goes on;
// the outcome shows only in the status text ("Ready", "Problem Downloading
// Logo", "Problem Uploading Logo"). Caller-group logos and picture messages
// live in numbered phone locations, asked for in a dialog first.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>

#include "canvas/ZoomView.h"
#include "document/LogoKind.h"
#include "phone/FrmInputIndex.h"
#include "phone/FrmPicIndex.h"
#include "phone/RunStep.h"
#include "shell/FrmMain.h"
#include "velkor17/FBLogo.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

namespace {

bool usesLocation(LogoKind kind) {
    return kind == kCallerGroupLogo || kind == kPictureMessage;
}

}  // namespace

void FrmMain::cmdDownload_Click() {
    txtStat1->clear();
    EnsureConnected();
    FBLogo *logo = Velk->Logo();
    const auto type = static_cast<fbLogoType>(fbLogoTypeForKind(doc_.iLogoKind));
    runStep([&] { logo->setLogoType(type); });
    runStep([&] { doc_.iLogoWidth = logo->Width(); });
    runStep([&] { doc_.iLogoHeight = logo->Height(); });
    // emptied as New does, without its question and its connection check;
    // the file name goes too: Save must not write the download over it unasked
    clearDocument();
    picContainer->setFocus();

    qint16 location = -1;
    if (usesLocation(doc_.iLogoKind)) {
        FrmInputIndex dialog(shared_, this);
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
        txtStat1->setText(QStringLiteral("Problem Downloading Logo"));
        return;
    }
    txtStat1->setText(QStringLiteral("Ready"));
    runStep([&] { txtNetCode->setText(logo->NetCode()); });
    runStep([&] { Velk->Beep(); });
    runStep([&] { LogoToCanvas(); });
}

void FrmMain::cmdUpload_Click() {
    txtStat1->clear();
    EnsureConnected();
    if (!usesLocation(doc_.iLogoKind)) {
        UploadLogo(shared_.iLogoLocation);
        return;
    }
    FrmPicIndex dialog(shared_, this);
    dialog.exec();
    if (shared_.iLogoLocation != SharedValues::kNoLocation) {
        UploadLogo(shared_.iLogoLocation);
    }
}

// `iLocation` is the 0-based phone location of a caller-group logo or
// picture message; operator and startup logos ignore it.
void FrmMain::UploadLogo(qint16 iLocation) {
    setHourglass(true);
    const auto normalPointer = qScopeGuard([this] { setHourglass(false); });
    FBLogo *logo = Velk->Logo();
    runStep([&] { logo->setLogoType(static_cast<fbLogoType>(fbLogoTypeForKind(doc_.iLogoKind))); });
    runStep([&] { doc_.iLogoWidth = logo->Width(); });
    runStep([&] { doc_.iLogoHeight = logo->Height(); });
    runStep([&] { CanvasToLogo(); });
    runStep([&] { logo->setNetCode(txtNetCode->text()); });
    int type = fbNoLogo;
    runStep([&] { type = logo->LogoType(); });
    if (type != fbOperatorLogo && type != fbStartupLogo) {
        runStep([&] { logo->setCallerGroupNumber(iLocation); });
        runStep([&] { logo->setMessageText(shared_.sPictureText); });
    }
    // an upload that throws is a failure whatever LastError still holds
    bool ok = runStep([&] { logo->Upload(); });
    ok = ok && logo->LastError() == 0;
    txtStat1->setText(ok ? QStringLiteral("Ready") : QStringLiteral("Problem Uploading Logo"));
}

}  // namespace glyphsmith
