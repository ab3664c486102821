// Standard output and error of the command line, in the locale's encoding
// (UTF-8 here). Nothing is buffered past a call.
#pragma once

#include <QString>

namespace glyphsmith::cli {

void printOut(const QString &text);
void printErr(const QString &text);
// Whether standard error is a terminal (progress lines go only there).
bool errIsTerminal();

}  // namespace glyphsmith::cli
