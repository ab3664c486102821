// The machine's serial ports. /dev/ttyS<n> is named "COM<n+1>" (the engine's
// own mapping); other devices by their path.
#pragma once

#include "shell/PortProber.h"

namespace glyphsmith {

class SerialPortProber : public PortProber {
public:
    QStringList openablePorts() override;
};

}  // namespace glyphsmith
