// The command line's entry: picks the command, runs it, and turns every
// failure into one line on standard error and the exit status of CliError.h.
#pragma once

namespace glyphsmith::cli {

int runCli(int argc, char **argv);

}  // namespace glyphsmith::cli
