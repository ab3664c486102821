// The filters of the logo file dialogs, which one each kind preselects, the
// extension a name without one receives on saving, and the kind a file
// named on the command line is opened in.
//
// Filter numbers are 1-based positions in the dialog's filter list.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "document/LogoKind.h"

namespace glyphsmith {

// Open dialog: NOL, NGG, NSL, GSP.
QStringList openLogoFilters();
// Save dialog: all files, NOL, NGG, NSL, GSP.
QStringList saveLogoFilters();
// Preselected open filter: 1 operator, 2 caller group, 4 picture message,
// 3 startup logo.
int openFilterForKind(LogoKind kind);
// Preselected save filter: 2 operator, 3 caller group, 5 picture message,
// 4 startup logo.
int saveFilterForKind(LogoKind kind);
// The extension (".NOL") a saved name without one receives under save
// filter `filter`. "All Files" (and any number out of range) gives the
// kind's own format: ".NOL" operator, ".NGG" caller group, ".GSP" picture
// message, ".NSL" startup logo.
QString saveExtensionFor(int filter, LogoKind kind);
// `path` with `extension` appended when its file name (the part after the
// last "/") holds no "."; otherwise `path` unchanged.
QString withDefaultExtension(const QString &path, const QString &extension);

// How a path named on the command line is opened at start-up.
struct StartupOpen {
    LogoKind kind;  // the kind switched to before reading
    bool gsp;       // read with the GSP reader rather than the logo object
};
// From the path's last three characters, in any case: "nol" operator,
// "ngg" caller group, "nlm" picture message, "nsl" startup logo, "gsp"
// picture message read as GSP; nothing for any other ending.
std::optional<StartupOpen> startupOpenFor(const QString &path);

}  // namespace glyphsmith
