#include "CliRun.h"

int main(int argc, char **argv) {
    return glyphsmith::cli::runCli(argc, argv);
}
