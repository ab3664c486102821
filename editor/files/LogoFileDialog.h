// The common file dialog of the main window (object name "ComDia") for
// opening and saving logos: modal, Qt's own dialog (never the desktop's), the
// initial folder given by the caller.
#pragma once

#include <QString>
#include <optional>

#include "document/LogoKind.h"

class QWidget;

namespace glyphsmith {

// "Opening Logo file": an existing file, the open filters with the kind's
// preselected. Nothing when cancelled.
std::optional<QString> askOpenLogoPath(QWidget *parent, LogoKind kind, const QString &folder);

// "Saving Logo file": the save filters with the kind's preselected; an
// existing file is only taken after the overwrite question. A name without
// "." receives the selected filter's extension (LogoFileFilters.h) before
// that question is asked. Nothing when cancelled.
std::optional<QString> askSaveLogoPath(QWidget *parent, LogoKind kind, const QString &folder);

}  // namespace glyphsmith
