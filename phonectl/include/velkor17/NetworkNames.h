// The provider and country of a network code from the engine's own table,
// known without a phone (for showing a logo's network code by name).
#pragma once

#include <QString>

#include "velkor17/Export.h"

namespace velkor17 {

struct NetworkNames {
    QString provider;  // "" when the engine does not know the code
    QString country;   // "" when unknown
};

// `sNetCode` as "MCC MNC" ("244 05"). Empty names when the code is unknown
// or malformed, or the engine cannot be loaded or has no table.
VELKOR17_EXPORT NetworkNames LookupNetworkNames(const QString &sNetCode);

}  // namespace velkor17
