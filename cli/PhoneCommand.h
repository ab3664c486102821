// "phone SUBCOMMAND ...": the phone through the engine, on --port (the
// engine's virtual phone by default).
#pragma once

#include <QStringList>
#include <functional>
#include <vector>

#include "ArgParser.h"

namespace glyphsmith::cli {

class PhoneSession;

int runPhone(const QStringList &args);

// One phone subcommand: its options besides --port, how many positional
// arguments it takes, and what it does once they are parsed.
struct PhoneSubcommand {
    const char *name;
    const char *usage;    // "upload FILE [--location N] [--text T]"
    const char *summary;  // one line for the overview
    std::vector<OptionDef> options;
    int minArgs;
    int maxArgs;
    std::function<void(PhoneSession &session, const ArgParser &args)> run;
};

// The logo subcommands (upload, download, send-logo) and the others.
std::vector<PhoneSubcommand> phoneLogoSubcommands();
std::vector<PhoneSubcommand> phoneOtherSubcommands();

}  // namespace glyphsmith::cli
