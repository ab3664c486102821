#include "gammu/GammuLibrary.h"

#include <dlfcn.h>

#include <array>

namespace phoneeng {

namespace {

// The soname of the libgammu series the engine is built against, then the
// development link for builds against another series.
constexpr const char *kSonames[] = {"libGammu.so.8", "libGammu.so"};

constexpr const char *kNames[] = {
#define PHONEENG_GAMMU_NAME(name) #name,
    PHONEENG_GAMMU_FUNCTIONS(PHONEENG_GAMMU_NAME)
#undef PHONEENG_GAMMU_NAME
};
static_assert(std::size(kNames) == static_cast<std::size_t>(GammuFn::Count));

struct Library {
    std::array<void *, std::size(kNames)> functions{};
    std::string error;
};

// Never unloaded: libgammu's threads and callbacks may outlive any owner.
Library load() {
    Library library;
    void *handle = nullptr;
    for (const char *soname : kSonames) {
        if ((handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL)) != nullptr) {
            break;
        }
    }
    if (!handle) {
        const char *why = dlerror();
        library.error = std::string("libgammu cannot be loaded: ") + (why ? why : "not found");
        return library;
    }
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        library.functions[i] = dlsym(handle, kNames[i]);
        if (!library.functions[i]) {
            library.error = std::string("libgammu lacks ") + kNames[i];
            library.functions = {};
            return library;
        }
    }
    return library;
}

const Library &library() {
    static const Library loaded = load();
    return loaded;
}

}  // namespace

void *gammuFunction(GammuFn fn) {
    return library().functions[static_cast<std::size_t>(fn)];
}

const std::string &gammuLibraryError() {
    return library().error;
}

}  // namespace phoneeng
