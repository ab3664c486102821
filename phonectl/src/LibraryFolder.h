// Where velkor17 itself was loaded from: the modules it loads at run time
// (the engine, the audio output) sit beside it.
#pragma once

#include <QString>

namespace velkor17 {

// The folder of libvelkor17-core.so, "" when it cannot be told.
QString libraryFolder();

}  // namespace velkor17
