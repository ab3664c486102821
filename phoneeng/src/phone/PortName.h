// The port texts init() takes: "VIRTUAL" (any case), "COMn" (the n-th
// serial device, /dev/ttyS(n-1)) or a device path, each optionally followed
// by one protocol letter (F = FBUS).
#pragma once

#include <optional>
#include <string>

namespace phoneeng {

struct PortName {
    enum class Kind { Virtual, Serial };
    Kind kind = Kind::Virtual;
    std::string device;  // Serial: the device path
    char protocol = 0;   // the protocol letter, upper case; 0 when none
};

// Reads a port text; nullopt when it names no port. A device path that
// exists as given is taken whole, so a device whose name ends in a protocol
// letter still opens.
std::optional<PortName> parsePortName(const std::string &text);

}  // namespace phoneeng
