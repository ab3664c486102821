#include "ConvertCommand.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <climits>
#include <initializer_list>
#include <utility>

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
    "Converts logos between NOL, NGG, NSL, NLM, BMP, OTB, GSP, PNG and XBM, and\n"
    "writes them as a C header (H); turns pictures (PNG, JPEG, GIF...) into logos;\n"
    "converts ring tones between RTTTL and OTT and writes them as MIDI or WAV.\n"
    "The format of OUT comes from --to or from its extension; the format of IN from\n"
    "its extension, or from its content. A folder given as IN stands for the files\n"
    "in it. In a batch every IN becomes DIR/NAME.EXT; a progress line shows on a\n"
    "terminal.\n"
    "\n"
    "Options:\n"
    "  --to FORMAT        the output format (nol, ngg, nsl, nlm, bmp, otb, gsp, png,\n"
    "                     xbm, h, rtttl, ott, mid, wav)\n"
    "  -o, --output DIR   the folder of a batch (created when missing)\n"
    "  --kind KIND        operator, caller, picture or startup: the logo's kind and size\n"
    "  --netcode CODE     the operator logo's network code, as \"244 05\"\n"
    "  --invert           swaps set and clear pixels\n"
    "Pictures:\n"
    "  --fit, --fill, --stretch\n"
    "                     the whole picture with its aspect kept (the default), the\n"
    "                     logo covered and the rest cut, or the aspect ignored\n"
    "  --threshold N      the grey level (0 to 256, 128 by default) from which a\n"
    "                     pixel counts as light; higher gives a darker logo\n"
    "  --dither MODE      none, floyd-steinberg (the default), ordered or atkinson\n"
    "Logo files written:\n"
    "  --scale N          PNG: each logo pixel as N x N pixels (1 to 16)\n"
    "  --layout LAYOUT    C header: rows (8 pixels a byte along each row, the\n"
    "                     default) or pages (8 rows a byte, column by column)\n"
    "Ring tones:\n"
    "  --transpose N      moves every note by N semitones\n"
    "  --device DEVICE    WAV: the sound of midi (the synthesizer, the default when\n"
    "                     a sound font is installed) or speaker (a square wave)\n"
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
    LogoReadOptions read;
    LogoWriteOptions write;
    std::optional<QString> netCode;
    bool invert = false;
    int transpose = 0;
    std::optional<ToneDevice> device;
    bool pictureOptions = false;  // --fit, --threshold, --dither... given
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

// The value of `option` as one of `choices` (any case); nothing when the
// option is absent, a usage error for another word.
template <typename T>
std::optional<T> choiceOption(const ArgParser &p, const char *option,
                              std::initializer_list<std::pair<const char *, T>> choices) {
    if (!p.has(option)) {
        return std::nullopt;
    }
    const QString wanted = p.value(option).toLower();
    QStringList words;
    for (const auto &[word, value] : choices) {
        if (wanted == QLatin1String(word)) {
            return value;
        }
        words << QLatin1String(word);
    }
    usageError(QStringLiteral("convert: --%1 takes %2, not \"%3\"")
                   .arg(QLatin1String(option), words.join(QStringLiteral(", ")), p.value(option)));
}

ImportOptions importOptions(const ArgParser &p) {
    ImportOptions o;
    if (int(p.has("fit")) + int(p.has("fill")) + int(p.has("stretch")) > 1) {
        usageError(QStringLiteral("convert: give one of --fit, --fill and --stretch"));
    }
    o.fit = p.has("fill") ? FitMode::Fill : p.has("stretch") ? FitMode::Stretch : FitMode::Fit;
    o.threshold = p.intValue("threshold", o.threshold, 0, 256);
    o.dither = choiceOption<DitherMode>(p, "dither",
                                        {{"none", DitherMode::None},
                                         {"floyd-steinberg", DitherMode::FloydSteinberg},
                                         {"ordered", DitherMode::Ordered},
                                         {"atkinson", DitherMode::Atkinson}})
                   .value_or(o.dither);
    return o;
}

void checkSettingsFit(const Target &target, const Settings &s) {
    if (target.logo && (s.transpose != 0 || s.device)) {
        usageError(QStringLiteral("convert: --transpose and --device are for ring tones"));
    }
    if (target.tone && (s.read.kind || s.netCode || s.invert || s.pictureOptions)) {
        usageError(
            QStringLiteral("convert: --kind, --netcode, --invert and the picture "
                           "options are for logos"));
    }
}

void convertFile(const QString &in, const QString &out, const Target &target, const Settings &s) {
    if (target.logo) {
        LogoReadOptions read = s.read;
        read.targetKind = target.logo->ownKind;
        LogoImage image = readLogoInput(in, read);
        if (!read.kind && read.targetKind && *read.targetKind != image.kind) {
            image = image.asKind(*read.targetKind);
        }
        if (s.netCode) {
            image.netCode = *s.netCode;
        }
        if (s.invert) {
            image.pixels.flip();
        }
        target.logo->write(image, out, s.write);
        return;
    }
    readRingToneInput(in);
    if (s.transpose != 0) {
        transposeRingTone(engineRingTone(), s.transpose);
    }
    target.tone->write(out, RingToneWriteOptions{s.device});
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
                                            {"invert", false},
                                            {"scale", true},
                                            {"layout", true},
                                            {"device", true}});
    p.parse(args);
    if (p.helpWanted()) {
        printOut(QString::fromLatin1(kConvertHelp));
        return kExitOk;
    }
    Settings s;
    s.read.kind = kindOption(p.value("kind"), p.has("kind"));
    s.read.picture = importOptions(p);
    s.pictureOptions = p.has("fit") || p.has("fill") || p.has("stretch") || p.has("threshold") ||
                       p.has("dither") || p.has("scale") || p.has("layout");
    s.write.scale = p.intValue("scale", 1, 1, kMaxExportScale);
    s.write.layout =
        choiceOption<CHeaderLayout>(
            p, "layout", {{"rows", CHeaderLayout::Rows}, {"pages", CHeaderLayout::Pages}})
            .value_or(CHeaderLayout::Rows);
    s.invert = p.has("invert");
    s.device = choiceOption<ToneDevice>(
        p, "device", {{"midi", ToneDevice::Midi}, {"speaker", ToneDevice::Speaker}});
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
