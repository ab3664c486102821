// Finds the serial ports a phone cable could be on, behind an interface so
// that tests can stand in for the machine's ports.
#pragma once

#include <QStringList>

namespace glyphsmith {

class PortProber {
public:
    virtual ~PortProber() = default;
    // Port texts the phone engine accepts ("COM3", "/dev/ttyUSB0") of every
    // port that can be opened with DTR switched on right now, at most
    // kMaxPorts of them. Every port is left closed.
    virtual QStringList openablePorts() = 0;

    static constexpr int kMaxPorts = 16;
};

}  // namespace glyphsmith
