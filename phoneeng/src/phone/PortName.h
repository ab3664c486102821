// The port texts init() takes: "VIRTUAL" (any case), "COMn" (the n-th
// serial device, /dev/ttyS(n-1)), a device path, or "gammu" / "gammuN" (the
// user's own libgammu configuration, section N), each optionally followed
// by one protocol letter:
//   F  FBUS cables (plain FBUS, then the DLR-3 cable's variant)
//   D  DKU-2 USB cables (phonet over USB, then AT over USB)
//   A  AT commands (modems and AT phones)
//   B  Bluetooth through a serial device such as /dev/rfcomm0 (phonet,
//      then FBUS)
// A letter may be followed by "F" once more, as the editor appends F to the
// port the user chose ("/dev/rfcomm0BF" is B). No letter means F. The
// letter is ignored for "VIRTUAL" and for a libgammu section, which names
// its own connection.
#pragma once

#include <optional>
#include <string>

namespace phoneeng {

struct PortName {
    enum class Kind { Virtual, Serial, GammuSection };
    Kind kind = Kind::Virtual;
    std::string device;  // Serial: the device path
    char protocol = 0;   // the protocol letter, upper case; 0 when none
    int section = 0;     // GammuSection: N of "gammuN", 0 for "gammu"
};

// The protocol letters a port text may end in.
inline constexpr const char *kProtocolLetters = "FDAB";

// Reads a port text; nullopt when it names no port. A device path that
// exists as given is taken whole, so a device whose name ends in a protocol
// letter still opens.
std::optional<PortName> parsePortName(const std::string &text);

}  // namespace phoneeng
