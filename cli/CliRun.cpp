#include "CliRun.h"

#include <QStringList>
#include <QtGlobal>
#include <cstdlib>
#include <exception>

#include "CliError.h"
#include "CliModule.h"
#include "Console.h"
#include "ConvertCommand.h"
#include "InfoCommand.h"
#include "velkor17/VelkorError.h"

namespace glyphsmith::cli {

namespace {

const char *const kOverview =
    "Usage: glyphsmith-cli COMMAND [OPTIONS] [ARGUMENTS]\n"
    "\n"
    "Logos, ring tones and phones from the command line.\n"
    "\n"
    "Commands:\n"
    "  convert   converts logos and ring tones between file formats, one or many\n"
    "  info      tells what a logo or ring tone file holds\n"
    "  phone     works with a phone: identify, upload, download, send-logo, send-sms,\n"
    "            startup-text, phonebook, ringtone upload, play\n"
    "\n"
    "'glyphsmith-cli COMMAND --help' tells more; see also glyphsmith-cli(1).\n"
    "Exit status: 0 done, 1 usage error, 2 file error, 3 phone error.\n";

int dispatch(const QStringList &args) {
    if (args.isEmpty()) {
        printErr(QString::fromLatin1(kOverview));
        return kExitUsage;
    }
    const QString command = args.constFirst();
    const QStringList rest = args.mid(1);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        printOut(QString::fromLatin1(kOverview));
        return kExitOk;
    }
    if (command == QLatin1String("--version")) {
        printOut(QStringLiteral("glyphsmith-cli " GLYPHSMITH_VERSION "\n"));
        return kExitOk;
    }
    if (command == QLatin1String("convert")) {
        return runConvert(rest);
    }
    if (command == QLatin1String("info")) {
        return runInfo(rest);
    }
    if (command == QLatin1String("phone")) {
        return runPhoneModule(rest);
    }
    usageError(QStringLiteral("unknown command \"%1\" (see --help)").arg(command));
}

// Qt's own chatter (a missing runtime folder, audio devices) would break the
// rule of one line per failure; GLYPHSMITH_CLI_DEBUG lets it through.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type == QtCriticalMsg || type == QtFatalMsg || std::getenv("GLYPHSMITH_CLI_DEBUG")) {
        printErr(message + QLatin1Char('\n'));
    }
}

}  // namespace

int runCli(int argc, char **argv) {
    qInstallMessageHandler(quietQtMessages);
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    try {
        return dispatch(args);
    } catch (const CliError &e) {
        printErr(QStringLiteral("glyphsmith-cli: ") + e.message() + QLatin1Char('\n'));
        return e.code();
    } catch (const velkor17::VelkorError &e) {
        printErr(QStringLiteral("glyphsmith-cli: the phone engine: ") + e.description() +
                 QLatin1Char('\n'));
        return kExitPhone;
    } catch (const std::exception &e) {
        printErr(QStringLiteral("glyphsmith-cli: ") + QString::fromLocal8Bit(e.what()) +
                 QLatin1Char('\n'));
        return kExitFile;
    }
}

}  // namespace glyphsmith::cli
