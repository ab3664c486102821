// Opening the logo file named on the command line during start-up.
#include <QCoreApplication>
#include <QLabel>
#include <exception>

#include "canvas/LogoKind.h"
#include "canvas/PreviewBox.h"
#include "canvas/ZoomView.h"
#include "files/GspFile.h"
#include "files/LogoFileFilters.h"
#include "shell/FrmMain.h"
#include "velkor17/FBLogo.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

// The command line is the path as it stands (no quoting removed). Its last
// three characters choose the kind (LogoFileFilters.h); a path that names no
// kind reads nothing and leaves the choice of kind to the caller. A file that
// cannot be read shows "Problem reading image file" and closes the window.
bool FrmMain::OpenStartupFile(const QString &sCommandLine) {
    doc_.preview().fill(LogoDocument::kClearColor);
    picReal->update();
    lblPath->setText(sCommandLine);
    const std::optional<StartupOpen> how = startupOpenFor(sCommandLine);
    if (!how) {
        return false;
    }
    switchKind(how->kind);

    setHourglass(true);
    doc_.preview().fill(LogoDocument::kClearColor);
    picReal->update();
    QCoreApplication::processEvents();
    bool read = false;
    if (how->gsp) {
        const GspFile::ReadResult result =
            GspFile::read(sCommandLine, doc_, doc_.iLogoWidth, doc_.iLogoHeight);
        picContainer->update();
        picReal->update();
        read = result != GspFile::ReadResult::CannotOpen;
        if (result == GspFile::ReadResult::Complete) {
            doc_.sLogoPath = sCommandLine;
            doc_.bModified = false;
        }
    } else {
        try {
            FBLogo *logo = Velk->Logo();
            logo->ReadFile(sCommandLine);
            if (logo->LastError() == 0) {
                doc_.sLogoPath = sCommandLine;
                LogoToCanvas();
                read = true;
            }
        } catch (const std::exception &) {
            read = false;
        }
    }
    setHourglass(false);
    if (!read) {
        if (env_.messages) {
            env_.messages->information(this, QStringLiteral("Glyphsmith"),
                                       QStringLiteral("Problem reading image file"));
        }
        close();
    }
    return true;
}

}  // namespace glyphsmith
