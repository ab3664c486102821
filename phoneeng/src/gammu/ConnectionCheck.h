// The connection check for people whose cable does not answer: tries a
// port step by step and says in plain words what each step found.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace phoneeng {

// Tries `port` (a port text as init() takes it, `type` 0 serial or 1
// infrared) on a connection of its own, leaving every instance's link
// alone, and writes the report to `report`: one line per step, each
// beginning "[ok] " or "[FAILED] ", the first failed step last. Returns the
// code of the failed step (PE_NO_SUCH_PORT, PE_TIMEOUT...), PE_OK when a
// phone answered. Takes at most the call budget (10 seconds by default).
// Callers hold engineLock().
int16_t checkConnection(const std::string &port, int32_t type, std::chrono::milliseconds budget,
                        std::string &report);

}  // namespace phoneeng
