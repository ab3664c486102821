// Which libgammu configuration a port text stands for.
#pragma once

#include <gammu.h>

#include <cstdint>
#include <string>
#include <vector>

#include "phone/PortName.h"

namespace phoneeng {

// libgammu connection names tried in order for a protocol letter (0 = F)
// and the call set's connection type (0 serial, 1 infrared).
std::vector<std::string> gammuConnections(char protocol, int32_t type);

// Fills the machine's configuration sections for a serial port or a section
// of the user's gammurc. ERR_NONE_SECTION / ERR_UNCONFIGURED when the
// section or the file is missing.
GSM_Error configureGammu(GSM_StateMachine *state, const PortName &port, int32_t type);

// A few plain words for a connection type, for reports.
std::string connectionWords(GSM_ConnectionType type);

}  // namespace phoneeng
