// Entry-point guard for the call set: runs a body under the engine lock and
// turns any exception (out of memory) into the given error result, so that
// nothing escapes the C boundary.
#pragma once

#include <mutex>

#include "Engine.h"

namespace phoneeng {

template <class Body>
auto locked(auto onError, Body body) -> decltype(body()) {
    try {
        std::lock_guard lock(engineLock());
        return body();
    } catch (...) {
        return onError;
    }
}

}  // namespace phoneeng
