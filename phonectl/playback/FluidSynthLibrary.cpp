#include "FluidSynthLibrary.h"

#include <dlfcn.h>

namespace velkor17 {

namespace {

// The sonames of the FluidSynth 2 series, newest first.
constexpr const char *kSonames[] = {"libfluidsynth.so.3", "libfluidsynth.so.2"};

const FluidSynthLibrary *load() {
    void *handle = nullptr;
    for (const char *soname : kSonames) {
        handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
        if (handle != nullptr) {
            break;
        }
    }
    if (handle == nullptr) {
        return nullptr;
    }
    static FluidSynthLibrary library;
    bool complete = true;
#define VELKOR17_FLUID_LOOKUP(name)                                           \
    library.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name)); \
    complete = complete && library.name != nullptr;
    VELKOR17_FLUID_FUNCTIONS(VELKOR17_FLUID_LOOKUP)
#undef VELKOR17_FLUID_LOOKUP
    return complete ? &library : nullptr;
}

}  // namespace

const FluidSynthLibrary *FluidSynthLibrary::get() {
    static const FluidSynthLibrary *const library = load();
    return library;
}

}  // namespace velkor17
