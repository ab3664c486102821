#include "ConvertCommand.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <climits>

#include "ArgParser.h"
#include "CliError.h"
#include "Console.h"
#include "EngineFiles.h"
#include "FormatTable.h"
#include "LogoInput.h"
#include "RingToneFacts.h"

namespace glyphsmith::cli {

const char *const kConvertHelp =
    "Usage: glyphsmith-cli convert [OPTIONS] IN OUT\n"
    "       glyphsmith-cli convert [OPTIONS] IN... --to FORMAT -o DIR\n"
    "\n"
    "Converts logos between NOL, NGG, NSL, NLM, BMP, OTB and GSP, and ring tones\n"
    "between RTTTL and OTT. The format of OUT comes from --to or from its extension;\n"
    "the format of IN from its extension, or from its content. A folder given as IN\n"
    "stands for the files in it. In a batch every IN becomes DIR/NAME.EXT; a progress\n"
    "line shows on a terminal.\n"
    "\n"
    "Options:\n"
    "  --to FORMAT        the output format (nol, ngg, nsl, nlm, bmp, otb, gsp, rtttl, ott)\n"
    "  -o, --output DIR   the folder of a batch (created when missing)\n"
    "  --kind KIND        operator, caller, picture or startup: the logo's kind and size\n"
    "  --netcode CODE     the operator logo's network code, as \"244 05\"\n"
    "  --transpose N      moves every note of a ring tone by N semitones\n"
    "  -h, --help         shows this text\n"
    "\n"
    "Exit status: 0 done, 1 usage error, 2 a file could not be read or written.\n";

namespace {

// The format a conversion writes.
struct Target {
    const LogoFormat *logo = nullptr;
    const RingToneFormat *tone = nullptr;

    QString name() const { return logo ? logo->name : tone->name; }
    QString extension() const { return (logo ? logo->extensions : tone->extensions).constFirst(); }
};

struct Settings {
    std::optional<LogoKind> kind;
    std::optional<QString> netCode;
    int transpose = 0;
};

Target targetFor(const QString &formatOrExtension, const QString &shownAs) {
    Target t;
    t.logo = findLogoFormat(formatOrExtension);
    if (!t.logo) {
        t.tone = findRingToneFormat(formatOrExtension);
    }
    if (!t.logo && !t.tone) {
        usageError(QStringLiteral("convert: unknown output format %1 (use --to with one of %2, %3)")
                       .arg(shownAs, logoFormatNames(), ringToneFormatNames()));
    }
    if (t.logo ? !t.logo->write : !t.tone->write) {
        notInThisBuild(QStringLiteral("Writing %1 files").arg(t.name()));
    }
    return t;
}

void checkSettingsFit(const Target &target, const Settings &s) {
    if (target.logo && s.transpose != 0) {
        usageError(QStringLiteral("convert: --transpose is for ring tones"));
    }
    if (target.tone && (s.kind || s.netCode)) {
        usageError(QStringLiteral("convert: --kind and --netcode are for logos"));
    }
}

void convertFile(const QString &in, const QString &out, const Target &target, const Settings &s) {
    if (target.logo) {
        LogoImage image = readLogoInput(in, s.kind);
        if (!s.kind && target.logo->ownKind && *target.logo->ownKind != image.kind) {
            image = image.asKind(*target.logo->ownKind);
        }
        if (s.netCode) {
            image.netCode = *s.netCode;
        }
        target.logo->write(image, out);
        return;
    }
    readRingToneInput(in);
    if (s.transpose != 0) {
        transposeRingTone(engineRingTone(), s.transpose);
    }
    target.tone->write(out);
}

// The files a batch converts: folders stand for their files (not hidden,
// sorted by name).
QStringList batchInputs(const QStringList &args) {
    QStringList files;
    for (const QString &arg : args) {
        const QFileInfo info(arg);
        if (!info.isDir()) {
            files << arg;
            continue;
        }
        const QDir dir(arg);
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            files << dir.filePath(name);
        }
    }
    return files;
}

int runBatch(const QStringList &inputs, const QString &outDir, const Target &target,
             const Settings &s) {
    if (inputs.isEmpty()) {
        usageError(QStringLiteral("convert: no input files"));
    }
    QStringList outputs;
    QSet<QString> seen;
    for (const QString &in : inputs) {
        const QString out = QDir(outDir).filePath(QFileInfo(in).completeBaseName() +
                                                  QLatin1Char('.') + target.extension());
        if (seen.contains(out)) {
            usageError(QStringLiteral("convert: two inputs would both become %1").arg(out));
        }
        seen.insert(out);
        outputs << out;
    }
    if (!QDir().mkpath(outDir)) {
        fileError(QStringLiteral("%1: cannot create the folder").arg(outDir));
    }

    const bool progress = errIsTerminal();
    const QString clearLine = QStringLiteral("\r\033[K");
    int failed = 0;
    int worst = kExitOk;
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        if (progress) {
            printErr(clearLine +
                     QStringLiteral("[%1/%2] %3").arg(i + 1).arg(inputs.size()).arg(inputs[i]));
        }
        try {
            convertFile(inputs[i], outputs[i], target, s);
        } catch (const CliError &e) {
            // a file this build cannot read is that file's failure alone
            ++failed;
            worst = std::max<int>(worst, e.code());
            const QString named = e.message().startsWith(inputs[i])
                                      ? e.message()
                                      : inputs[i] + QStringLiteral(": ") + e.message();
            printErr((progress ? clearLine : QString()) + QStringLiteral("glyphsmith-cli: ") +
                     named + QLatin1Char('\n'));
        }
    }
    if (progress) {
        printErr(clearLine + QStringLiteral("%1 of %2 files converted\n")
                                 .arg(inputs.size() - failed)
                                 .arg(inputs.size()));
    }
    return worst;
}

}  // namespace

int runConvert(const QStringList &args) {
    ArgParser p(QStringLiteral("convert"), {{"to", true},
                                            {"output", true, 'o'},
                                            {"kind", true},
                                            {"netcode", true},
                                            {"transpose", true},
                                            {"fit", false},
                                            {"fill", false},
                                            {"stretch", false},
                                            {"threshold", true},
                                            {"dither", true},
                                            {"invert", false}});
    p.parse(args);
    if (p.helpWanted()) {
        printOut(QString::fromLatin1(kConvertHelp));
        return kExitOk;
    }
    for (const char *option : {"fit", "fill", "stretch", "threshold", "dither", "invert"}) {
        if (p.has(option)) {
            notInThisBuild(QStringLiteral("Picture import (--%1)").arg(option));
        }
    }
    Settings s;
    s.kind = kindOption(p.value("kind"), p.has("kind"));
    if (p.has("netcode")) {
        s.netCode = p.value("netcode");
        LogoImage probe = LogoImage::blank(kOperatorLogo);
        probe.netCode = *s.netCode;
        logoToEngine(engineLogo(), probe);  // a usage error for a malformed code
    }
    s.transpose = p.intValue("transpose", 0, -104, 104);

    if (p.has("output")) {
        if (!p.has("to")) {
            usageError(QStringLiteral("convert: a batch (-o DIR) needs --to FORMAT"));
        }
        p.expectPositionals(1, INT_MAX, "IN... --to FORMAT -o DIR");
        const Target target = targetFor(p.value("to"), p.value("to"));
        checkSettingsFit(target, s);
        return runBatch(batchInputs(p.positionals()), p.value("output"), target, s);
    }
    p.expectPositionals(2, 2, "IN OUT, or IN... --to FORMAT -o DIR");
    const QString out = p.positionals().at(1);
    const Target target = p.has("to") ? targetFor(p.value("to"), p.value("to"))
                                      : targetFor(QFileInfo(out).suffix(), out);
    checkSettingsFit(target, s);
    convertFile(p.positionals().at(0), out, target, s);
    return kExitOk;
}

}  // namespace glyphsmith::cli
