// Logo files of the main window: Open, Save and Save As with their dialogs
// and messages; the reading and writing is LogoFileController's.
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>

#include "canvas/PreviewBox.h"
#include "canvas/ZoomView.h"
#include "files/LogoFileController.h"
#include "files/LogoFileDialog.h"
#include "shell/FrmMain.h"

namespace glyphsmith {

void FrmMain::LogoToCanvas() {
    setHourglass(true);
    const auto done = qScopeGuard([this] { setHourglass(false); });
    files_->logoToCanvas();
    // the logo that came in is what the next edit's undo goes back to
    history_.setLatest(doc_.preview());
}

void FrmMain::CanvasToLogo() {
    files_->canvasToLogo();
}

void FrmMain::mnuOpen_Click() {
    EnsureConnected();
    const LogoKind kind = doc_.kind();
    const std::optional<QString> chosen = askOpenLogoPath(this, kind, env_.paths.logosFolder);
    if (!chosen) {
        return;
    }
    setHourglass(true);
    const LogoFileController::Read read = files_->read(*chosen, kind == kPictureMessage);
    history_.setLatest(doc_.preview());
    setHourglass(false);
    if (read == LogoFileController::Read::Failed) {
        inform(QStringLiteral("Problem reading image file"));
        return;
    }
    if (read == LogoFileController::Read::ShortGsp) {
        return;  // the rows read so far stay; the document keeps its name
    }
    if (kind == kPictureMessage) {
        doc_.setModified(false);
    } else {
        txtStat1->setText(QStringLiteral("Ready"));
    }
    doc_.setPath(*chosen);
    lblPath->setText(*chosen);
}

void FrmMain::cmdOpen_Click() {
    mnuOpen_Click();
    picContainer->setFocus();
    setHourglass(false);
}

void FrmMain::mnuSave_Click() {
    EnsureConnected();
    const auto normalPointer = qScopeGuard([this] { setHourglass(false); });
    if (doc_.path().isEmpty()) {
        const std::optional<QString> chosen =
            askSaveLogoPath(this, doc_.kind(), env_.paths.logosFolder);
        if (!chosen) {
            return;
        }
        doc_.setPath(*chosen);
        setHourglass(true);
    }
    const bool saved = files_->write(doc_.path());
    setHourglass(false);
    if (!saved) {
        inform(QStringLiteral("Problem saving image file"));
        return;
    }
    doc_.setModified(false);
    lblPath->setText(doc_.path());
}

void FrmMain::CmdSave_Click() {
    mnuSave_Click();
    picContainer->setFocus();
    setHourglass(false);
}

void FrmMain::mnuSaveAs_Click() {
    doc_.setPath(QString());
    mnuSave_Click();
}

}  // namespace glyphsmith
