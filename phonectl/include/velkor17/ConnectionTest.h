// The engine's connection check, for a host's options window: tries a port
// (as VelkorControl::Connect takes it) on a connection of its own, leaving
// every control's link alone, and gives a report in plain words, one line
// per step. Takes up to 10 seconds.
#pragma once

#include <QString>

#include "velkor17/Export.h"

namespace velkor17 {

// The report; when the engine cannot be loaded or has no check, a line
// that says so.
VELKOR17_EXPORT QString TestConnection(const QString &sComport);

}  // namespace velkor17
