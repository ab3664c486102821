// Registration of logo file types with the desktop (freedesktop): a
// shared-MIME-info package and a desktop entry per document class, both kept
// under the user's data folder.
#pragma once

#include <QString>

#include "shell/FileTypeInfo.h"

namespace glyphsmith {

// The MIME type that stands for a document class: "application/x-" and the
// class name in lower case.
QString MimeTypeForClass(const QString &className);
// Files written for a class below `dataHome`.
QString MimePackagePath(const QString &dataHome, const QString &className);
QString DesktopEntryPath(const QString &dataHome, const QString &className);

// Adds the extension (upper and lower case) to the class's MIME package and
// writes the class's desktop entry: the description, the icon only when
// iconPath + "," + iconIndex is not ",0", the first verb as the entry's own
// command and every further verb as an action. Every command gets the file
// to open as its argument. Returns false when a file cannot be written; the
// other file is written all the same.
bool RegisterFileType(const FileTypeInfo &info, const QString &dataHome);

// Rebuilds the desktop's MIME and desktop-entry caches below `dataHome` with
// update-mime-database and update-desktop-database where they are installed.
// Waits at most a few seconds for each.
void RefreshFileAssociationDatabases(const QString &dataHome);

}  // namespace glyphsmith
