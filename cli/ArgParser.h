// Long options in the usual Unix shape: "--name value", "--name=value",
// flags, one-letter aliases ("-o DIR"), "--" ending the options, positional
// arguments anywhere. Every command also takes "--help".
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace glyphsmith::cli {

struct OptionDef {
    const char *name;  // without the leading "--"
    bool takesValue;
    char shortName = '\0';  // '\0': none
};

class ArgParser {
public:
    // `command` names the command in messages ("convert", "phone upload").
    ArgParser(QString command, std::vector<OptionDef> options);

    // Throws a usage CliError for an unknown option, a missing value, a value
    // given to a flag, or an option given twice.
    void parse(const QStringList &args);

    bool has(const char *name) const { return values_.contains(QLatin1String(name)); }
    QString value(const char *name, const QString &fallback = QString()) const;
    // The value as a whole number in [min, max]; a usage error otherwise.
    int intValue(const char *name, int fallback, int min, int max) const;
    const QStringList &positionals() const { return positionals_; }
    bool helpWanted() const { return has("help"); }

    // A usage error unless between `min` and `max` positional arguments came.
    void expectPositionals(int min, int max, const char *what) const;

private:
    const OptionDef *find(const QString &name) const;
    const OptionDef *findShort(QChar c) const;
    void store(const OptionDef &def, const QString &value);

    QString command_;
    std::vector<OptionDef> options_;
    QHash<QString, QString> values_;
    QStringList positionals_;
};

}  // namespace glyphsmith::cli
