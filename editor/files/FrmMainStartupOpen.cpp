// Opening the logo file named on the command line during start-up.
#include <QCoreApplication>
#include <QLabel>

#include "canvas/PreviewBox.h"
#include "canvas/ZoomView.h"
#include "document/LogoKind.h"
#include "files/LogoFileController.h"
#include "files/LogoFileFilters.h"
#include "shell/FrmMain.h"

namespace glyphsmith {

// The command line is the path as it stands (no quoting removed). Its last
// three characters choose the kind (LogoFileFilters.h); a path that names no
// kind reads nothing and leaves the choice of kind to the caller. A file that
// cannot be read shows "Problem reading image file" and closes the window.
bool FrmMain::OpenStartupFile(const QString &sCommandLine) {
    doc_.preview().fill(LogoDocument::kClearColor);
    doc_.notifyChanged();
    lblPath->setText(sCommandLine);
    const std::optional<StartupOpen> how = startupOpenFor(sCommandLine);
    if (!how) {
        return false;
    }
    switchKind(how->kind);

    setHourglass(true);
    doc_.preview().fill(LogoDocument::kClearColor);
    doc_.notifyChanged();
    QCoreApplication::processEvents();
    const LogoFileController::Read result = files_->read(sCommandLine, how->gsp);
    const bool read = result != LogoFileController::Read::Failed;
    if (result == LogoFileController::Read::Complete) {
        doc_.setPath(sCommandLine);
        if (how->gsp) {
            doc_.setModified(false);
        }
    }
    setHourglass(false);
    if (!read) {
        inform(QStringLiteral("Problem reading image file"));
        close();
    }
    return true;
}

}  // namespace glyphsmith
