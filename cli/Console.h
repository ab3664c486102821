// Standard output and error of the command line, in the locale's encoding
// (UTF-8 here). Nothing is buffered past a call.
#pragma once

#include <QString>
#include <functional>

namespace glyphsmith::cli {

void printOut(const QString &text);
void printErr(const QString &text);
// Whether standard error is a terminal (progress lines go only there).
bool errIsTerminal();

// Runs `work` with standard error pointed at /dev/null: for libraries that
// write their own complaints there (libpng, libjpeg), which would break the
// rule of one line per failure. GLYPHSMITH_CLI_DEBUG leaves it alone.
void withLibraryChatterSilenced(const std::function<void()> &work);

}  // namespace glyphsmith::cli
