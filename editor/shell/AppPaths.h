// Where the program keeps and finds its files. Every path is absolute.
#pragma once

#include <QString>

namespace glyphsmith {

struct AppPaths {
    QString settingsFile;     // "Glyphsmith.ini" in the user's config folder
    QString logosFolder;      // "MyLogos" in the home folder
    QString ringtonesFolder;  // "MyRingtones" in the home folder
    QString programFolder;    // folder of the running program (read-only)
    QString scratchFolder;    // per-user writable folder for scratch files
    QString dataHome;         // the user's data folder (file associations)

    // The scratch bitmap of the screen capture, deleted at shutdown.
    QString scratchBitmap() const;
    // Default of "HelpFilePath": the folder of help pages beside the program,
    // or share/glyphsmith/help of an installed program.
    QString defaultHelpPath() const;
    // The command that opens the program, as registered for the logo files.
    QString programCommand() const;

    // Paths from HOME, XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_CACHE_HOME (the
    // freedesktop defaults when a variable is unset or empty) and the folder
    // of the running program.
    static AppPaths fromEnvironment();
    // The same layout below one root folder (tests, portable runs).
    static AppPaths under(const QString &root, const QString &programFolder);
};

}  // namespace glyphsmith
