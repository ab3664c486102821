#include "shell/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace glyphsmith {

namespace {

QString envOr(const char *name, const QString &fallback) {
    const QString v = qEnvironmentVariable(name);
    return v.isEmpty() ? fallback : v;
}

QString programFolderOrCurrent() {
    if (QCoreApplication::instance()) {
        return QCoreApplication::applicationDirPath();
    }
    return QDir::currentPath();
}

}  // namespace

QString AppPaths::scratchBitmap() const {
    return scratchFolder + QStringLiteral("/TempImg.bmp");
}

QString AppPaths::defaultHelpPath() const {
    // In a build tree the pages sit beside the program; installed, under
    // share/ next to bin/.
    const QString beside = programFolder + QStringLiteral("/help");
    const QString installed = programFolder + QStringLiteral("/../share/glyphsmith/help");
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed)) {
        return QDir::cleanPath(installed);
    }
    return beside;
}

QString AppPaths::programCommand() const {
    return programFolder + QStringLiteral("/glyphsmith");
}

AppPaths AppPaths::fromEnvironment() {
    const QString home = envOr("HOME", QDir::homePath());
    AppPaths p;
    p.settingsFile = envOr("XDG_CONFIG_HOME", home + QStringLiteral("/.config")) +
                     QStringLiteral("/Glyphsmith.ini");
    p.logosFolder = home + QStringLiteral("/MyLogos");
    p.ringtonesFolder = home + QStringLiteral("/MyRingtones");
    p.programFolder = programFolderOrCurrent();
    p.scratchFolder =
        envOr("XDG_CACHE_HOME", home + QStringLiteral("/.cache")) + QStringLiteral("/Glyphsmith");
    p.dataHome = envOr("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    return p;
}

AppPaths AppPaths::under(const QString &root, const QString &programFolder) {
    AppPaths p;
    p.settingsFile = root + QStringLiteral("/.config/Glyphsmith.ini");
    p.logosFolder = root + QStringLiteral("/MyLogos");
    p.ringtonesFolder = root + QStringLiteral("/MyRingtones");
    p.programFolder = programFolder;
    p.scratchFolder = root + QStringLiteral("/.cache/Glyphsmith");
    p.dataHome = root + QStringLiteral("/.local/share");
    return p;
}

}  // namespace glyphsmith
