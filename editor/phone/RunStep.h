// One step of a command that goes on after a failing step: the phone
// commands skip a call that throws and carry on with the next one.
#pragma once

#include <exception>

namespace glyphsmith {

// Runs `step`; an exception derived from std::exception that it throws ends
// the step and is swallowed. True when the step ran to its end.
template <typename Step>
bool runStep(Step &&step) {
    try {
        step();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

}  // namespace glyphsmith
