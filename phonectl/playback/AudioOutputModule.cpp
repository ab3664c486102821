#include "AudioOutputModule.h"

#include <dlfcn.h>

#include <QFile>

#include "LibraryFolder.h"

namespace velkor17 {

namespace {

const AudioOutputModule *load() {
    const QString folder = libraryFolder();
    const QString path = folder.isEmpty() ? QStringLiteral(VELKOR17_AUDIO_MODULE)
                                          : folder + QStringLiteral("/" VELKOR17_AUDIO_MODULE);
    void *handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return nullptr;
    }
    auto *entry = reinterpret_cast<Velkor17AudioOutputEntry *>(dlsym(handle, VELKOR17_AUDIO_ENTRY));
    return entry != nullptr ? entry() : nullptr;
}

}  // namespace

const AudioOutputModule *audioOutputModule() {
    static const AudioOutputModule *const module = load();
    return module;
}

}  // namespace velkor17
