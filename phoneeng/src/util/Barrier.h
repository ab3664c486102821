// The exception barrier of the call set: every entry point runs its body
// through one of these, so that nothing thrown inside the engine (out of
// memory) crosses the C boundary and ends the host.
#pragma once

namespace phoneeng {

// The body's result, or `onError` when the body throws.
template <class Body>
auto barrier(auto onError, Body body) noexcept -> decltype(body()) {
    try {
        return body();
    } catch (...) {
        return onError;
    }
}

// For entry points without a result: a body that throws just ends.
template <class Body>
void barrier(Body body) noexcept {
    try {
        body();
    } catch (...) {
    }
}

}  // namespace phoneeng
