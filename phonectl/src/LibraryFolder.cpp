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

}  // namespace velkor17
