#include "EngineBinding.h"

#include <dlfcn.h>

#include <QByteArray>

#include "LibraryFolder.h"
#include "velkor17/VelkorError.h"

namespace velkor17 {

namespace {

constexpr const char *kFunctionNames[] = {
#define VELKOR17_ENGINE_NAME(name) #name,
    VELKOR17_ENGINE_FUNCTIONS(VELKOR17_ENGINE_NAME)
#undef VELKOR17_ENGINE_NAME
};
static_assert(std::size(kFunctionNames) == static_cast<std::size_t>(EngineBinding::Fn::Count));

const char kEngineFile[] = "libphoneeng.so";

}  // namespace

EngineBinding &EngineBinding::instance() {
    static EngineBinding binding;
    return binding;
}

QString EngineBinding::libraryPath() const {
    const QByteArray named = qgetenv("PHONEENG_LIBRARY");
    if (!named.isEmpty()) {
        return QString::fromLocal8Bit(named);
    }
    return besideLibrary(QLatin1String(kEngineFile));
}

void *EngineBinding::library() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (handle_) {
        return handle_;
    }
    const QString path = libraryPath();
    handle_ = dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char *why = dlerror();
        throw VelkorError(ErrorNumber::EngineNotFound,
                          QStringLiteral("Phone engine not found: %1 (%2)")
                              .arg(path, QString::fromLocal8Bit(why ? why : "unknown reason")));
    }
    return handle_;
}

void *EngineBinding::function(Fn fn) {
    std::atomic<void *> &slot = functions_[static_cast<int>(fn)];
    if (void *f = slot.load(std::memory_order_acquire)) {
        return f;
    }
    void *f = extraSymbol(kFunctionNames[static_cast<int>(fn)]);
    slot.store(f, std::memory_order_release);
    return f;
}

void *EngineBinding::extraSymbol(const char *name) {
    void *lib = library();
    void *f = dlsym(lib, name);
    if (!f) {
        throw VelkorError(ErrorNumber::EngineFunctionNotFound,
                          QStringLiteral("Phone engine function not found: %1 in %2")
                              .arg(QLatin1String(name), libraryPath()));
    }
    return f;
}

void EngineBinding::selectInstance(std::intptr_t handle) {
    set_vlkr_instance(handle);
    selected_.store(handle);
}

}  // namespace velkor17
