// Where velkor17 itself was loaded from: the modules it loads at run time
// (the engine, the audio output) sit beside it.
#pragma once

#include <QString>

namespace velkor17 {

// The folder of libvelkor17-core.so, "" when it cannot be told.
QString libraryFolder();

// The path of `file` in that folder when it is there, else `file` alone (for
// dlopen to look up). Modules are loaded by full path because a name alone is
// looked up through the run path of whoever calls dlopen, which a sanitizer's
// interceptor changes.
QString besideLibrary(const QString &file);

}  // namespace velkor17
