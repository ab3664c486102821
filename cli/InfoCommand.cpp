#include "InfoCommand.h"

#include <QFileInfo>

#include "ArgParser.h"
#include "CliError.h"
#include "Console.h"
#include "EngineFiles.h"
#include "FormatTable.h"
#include "LogoInput.h"
#include "RingToneFacts.h"
#include "velkor17/NetworkNames.h"

namespace glyphsmith::cli {

const char *const kInfoHelp =
    "Usage: glyphsmith-cli info [OPTIONS] FILE\n"
    "\n"
    "Tells what a logo or ring tone file holds. A logo: its kind, size and network\n"
    "code (with the network's name where the engine knows it), then the logo as\n"
    "text art ('#' set, '.' clear). A ring tone: its name,\n"
    "tempo, notes, playing length and the size of its smart message.\n"
    "\n"
    "Options:\n"
    "  --kind KIND   reads a GSP file as this kind (operator, caller, picture, startup)\n"
    "  -h, --help    shows this text\n"
    "\n"
    "Exit status: 0 done, 1 usage error, 2 the file cannot be read.\n";

namespace {

void printLogo(const QString &path, const LogoImage &logo) {
    QString text;
    text += QStringLiteral("File: %1\n").arg(path);
    text += QStringLiteral("Kind: %1\n").arg(kindDisplayName(logo.kind));
    text += QStringLiteral("Size: %1 x %2\n").arg(logo.width).arg(logo.height);
    if (!logo.netCode.isEmpty()) {
        const velkor17::NetworkNames names = velkor17::LookupNetworkNames(logo.netCode);
        QString named;
        if (!names.provider.isEmpty()) {
            named = names.country.isEmpty()
                        ? QStringLiteral(" (%1)").arg(names.provider)
                        : QStringLiteral(" (%1, %2)").arg(names.provider, names.country);
        }
        text += QStringLiteral("Network code: %1%2\n").arg(logo.netCode, named);
    }
    text += QLatin1Char('\n') + logoTextArt(logo);
    printOut(text);
}

void printRingTone(const QString &path) {
    const RingToneFacts facts = ringToneFacts(engineRingTone());
    QString text;
    text += QStringLiteral("File: %1\n").arg(path);
    text += QStringLiteral("Name: %1\n").arg(facts.name);
    text += QStringLiteral("Tempo: %1 beats per minute\n").arg(facts.tempo);
    text += QStringLiteral("Notes: %1\n").arg(facts.notes);
    text += QStringLiteral("Length: %1 seconds\n").arg(facts.lengthMs / 1000.0, 0, 'f', 1);
    if (facts.smartBytes) {
        text += QStringLiteral("Smart message: %1 bytes, %2 SMS\n")
                    .arg(*facts.smartBytes)
                    .arg(facts.smartMessages);
    } else {
        text += QStringLiteral("Smart message: none (notes outside the four octaves it holds)\n");
    }
    printOut(text);
}

}  // namespace

int runInfo(const QStringList &args) {
    ArgParser p(QStringLiteral("info"), {{"kind", true}});
    p.parse(args);
    if (p.helpWanted()) {
        printOut(QString::fromLatin1(kInfoHelp));
        return kExitOk;
    }
    p.expectPositionals(1, 1, "one FILE");
    const QString path = p.positionals().constFirst();
    const std::optional<LogoKind> kind = kindOption(p.value("kind"), p.has("kind"));
    if (!QFileInfo(path).isFile()) {
        fileError(QStringLiteral("%1: cannot open the file").arg(path));
    }

    if (hasRingToneExtension(path)) {
        readRingToneInput(path);
        printRingTone(path);
        return kExitOk;
    }
    LogoImage logo;
    try {
        logo = readLogoInput(path, LogoReadOptions{kind, std::nullopt, {}});
    } catch (const CliError &logoError) {
        // a file of no known extension may still be a ring tone
        if (logoError.code() != kExitFile || findLogoFormat(QFileInfo(path).suffix())) {
            throw;
        }
        try {
            readEngineRingToneFile(path);
        } catch (const CliError &) {
            throw logoError;
        }
        printRingTone(path);
        return kExitOk;
    }
    printLogo(path, logo);
    return kExitOk;
}

}  // namespace glyphsmith::cli
