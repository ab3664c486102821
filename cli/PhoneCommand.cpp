#include "PhoneCommand.h"

#include "CliError.h"
#include "CliModule.h"
#include "Console.h"
#include "PhoneSession.h"
#include "velkor17/ConnectionTest.h"

#include <algorithm>

namespace glyphsmith::cli {

namespace {

// The engine's step-by-step report goes to standard output; the first
// failed step (the report's last line) is the one-line failure.
void checkConnection(PhoneSession &session, const ArgParser &) {
    const QString report = velkor17::TestConnection(session.port()).trimmed();
    const QStringList lines = report.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString failedTag = QStringLiteral("[FAILED] ");
    const auto failed = std::find_if(lines.begin(), lines.end(), [&](const QString &line) {
        return line.startsWith(failedTag);
    });
    QString passed;
    for (auto line = lines.begin(); line != failed; ++line) {
        passed += *line + QLatin1Char('\n');
    }
    printOut(passed);
    if (failed != lines.end() || lines.isEmpty()) {
        phoneError(QStringLiteral("phone check on %1 failed: %2")
                       .arg(session.port(), failed != lines.end()
                                                ? failed->mid(failedTag.size())
                                                : QStringLiteral("the engine gave no report")));
    }
}

const std::vector<PhoneSubcommand> &subcommands() {
    static const std::vector<PhoneSubcommand> all = [] {
        std::vector<PhoneSubcommand> list = phoneOtherSubcommands();
        for (PhoneSubcommand &c : phoneLogoSubcommands()) {
            list.push_back(std::move(c));
        }
        list.push_back(
            {"check", "check", "checks the connection to the phone", {}, 0, 0, checkConnection});
        return list;
    }();
    return all;
}

QString overview() {
    QString text = QStringLiteral(
        "Usage: glyphsmith-cli phone SUBCOMMAND [--port PORT] [ARGUMENTS]\n"
        "\n"
        "Works with a phone through the phone engine. PORT is VIRTUAL (the engine's\n"
        "virtual phone, the default), COMn for the n-th serial port, or a device path,\n"
        "each optionally followed by a protocol letter (F = FBUS).\n"
        "\n"
        "Subcommands:\n");
    for (const PhoneSubcommand &c : subcommands()) {
        text += QStringLiteral("  %1\n      %2\n")
                    .arg(QLatin1String(c.usage), QLatin1String(c.summary));
    }
    text += QStringLiteral(
        "\n'glyphsmith-cli phone SUBCOMMAND --help' tells more.\n"
        "Exit status: 0 done, 1 usage error, 2 file error, 3 phone error.\n");
    return text;
}

}  // namespace

int runPhone(const QStringList &args) {
    if (args.isEmpty()) {
        printErr(overview());
        return kExitUsage;
    }
    if (args.constFirst() == QLatin1String("--help") || args.constFirst() == QLatin1String("-h")) {
        printOut(overview());
        return kExitOk;
    }
    const QString name = args.constFirst();
    const PhoneSubcommand *command = nullptr;
    for (const PhoneSubcommand &c : subcommands()) {
        if (name == QLatin1String(c.name)) {
            command = &c;
        }
    }
    if (!command) {
        usageError(QStringLiteral("phone: unknown subcommand \"%1\" (see phone --help)").arg(name));
    }
    std::vector<OptionDef> options = command->options;
    options.push_back({"port", true});
    ArgParser p(QStringLiteral("phone ") + name, options);
    p.parse(args.mid(1));
    if (p.helpWanted()) {
        QString summary = QLatin1String(command->summary);
        summary.replace(QStringLiteral("\n      "), QStringLiteral("\n"));
        summary[0] = summary[0].toUpper();
        printOut(QStringLiteral("Usage: glyphsmith-cli phone %1 [--port PORT]\n\n%2.\n")
                     .arg(QLatin1String(command->usage), summary));
        return kExitOk;
    }
    p.expectPositionals(command->minArgs, command->maxArgs, command->usage);
    PhoneSession session(p.value("port", QStringLiteral("VIRTUAL")));
    command->run(session, p);
    return kExitOk;
}

}  // namespace glyphsmith::cli

extern "C" int glyphsmith_cli_phone(const QStringList &args) {
    return glyphsmith::cli::runPhone(args);
}
