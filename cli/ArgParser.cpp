#include "ArgParser.h"

#include "CliError.h"

namespace glyphsmith::cli {

ArgParser::ArgParser(QString command, std::vector<OptionDef> options)
    : command_(std::move(command)), options_(std::move(options)) {
    options_.push_back({"help", false, 'h'});
}

const OptionDef *ArgParser::find(const QString &name) const {
    for (const OptionDef &def : options_) {
        if (name == QLatin1String(def.name)) {
            return &def;
        }
    }
    return nullptr;
}

const OptionDef *ArgParser::findShort(QChar c) const {
    for (const OptionDef &def : options_) {
        if (def.shortName != '\0' && c == QLatin1Char(def.shortName)) {
            return &def;
        }
    }
    return nullptr;
}

void ArgParser::store(const OptionDef &def, const QString &value) {
    const QString name = QLatin1String(def.name);
    if (values_.contains(name)) {
        usageError(QStringLiteral("%1: --%2 given twice").arg(command_, name));
    }
    values_.insert(name, value);
}

void ArgParser::parse(const QStringList &args) {
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (optionsEnded || arg == QLatin1String("-") || !arg.startsWith(QLatin1Char('-'))) {
            positionals_.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const OptionDef *def = nullptr;
        QString inlineValue;
        bool hasInline = false;
        if (arg.startsWith(QLatin1String("--"))) {
            QString name = arg.mid(2);
            const qsizetype eq = name.indexOf(QLatin1Char('='));
            if (eq >= 0) {
                inlineValue = name.mid(eq + 1);
                hasInline = true;
                name.truncate(eq);
            }
            def = find(name);
        } else if (arg.size() == 2) {
            def = findShort(arg[1]);
        }
        if (!def) {
            usageError(QStringLiteral("%1: unknown option %2 (see --help)").arg(command_, arg));
        }
        if (!def->takesValue) {
            if (hasInline) {
                usageError(QStringLiteral("%1: --%2 takes no value").arg(command_, def->name));
            }
            store(*def, QString());
            continue;
        }
        if (!hasInline) {
            if (i + 1 >= args.size()) {
                usageError(QStringLiteral("%1: --%2 needs a value").arg(command_, def->name));
            }
            inlineValue = args[++i];
        }
        store(*def, inlineValue);
    }
}

QString ArgParser::value(const char *name, const QString &fallback) const {
    return values_.value(QLatin1String(name), fallback);
}

int ArgParser::intValue(const char *name, int fallback, int min, int max) const {
    if (!has(name)) {
        return fallback;
    }
    bool ok = false;
    const int v = value(name).toInt(&ok);
    if (!ok || v < min || v > max) {
        usageError(QStringLiteral("%1: --%2 takes a whole number from %3 to %4")
                       .arg(command_, name)
                       .arg(min)
                       .arg(max));
    }
    return v;
}

void ArgParser::expectPositionals(int min, int max, const char *what) const {
    const qsizetype n = positionals_.size();
    if (n < min || n > max) {
        usageError(QStringLiteral("%1: expected %2 (see --help)").arg(command_, what));
    }
}

}  // namespace glyphsmith::cli
