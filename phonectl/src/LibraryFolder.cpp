#include "LibraryFolder.h"

#include <dlfcn.h>

#include <QFileInfo>

namespace velkor17 {

QString libraryFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&libraryFolder), &info) == 0 || !info.dli_fname) {
        return QString();
    }
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
}

QString besideLibrary(const QString &file) {
    const QString folder = libraryFolder();
    const QString beside = folder + QLatin1Char('/') + file;
    return !folder.isEmpty() && QFileInfo::exists(beside) ? beside : file;
}

}  // namespace velkor17
