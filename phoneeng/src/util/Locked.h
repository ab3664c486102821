// Entry-point guard for the call set: runs a body under the engine lock
// behind the exception barrier, so that nothing escapes the C boundary.
#pragma once

#include <mutex>

#include "Engine.h"
#include "util/Barrier.h"

namespace phoneeng {

template <class Body>
auto locked(auto onError, Body body) -> decltype(body()) {
    return barrier(onError, [&]() -> decltype(body()) {
        std::lock_guard lock(engineLock());
        return body();
    });
}

}  // namespace phoneeng
