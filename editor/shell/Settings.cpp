#include "shell/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "shell/SaveBytes.h"

namespace glyphsmith {

namespace {

// The file's lines without their line ends; empty when it cannot be read.
QStringList readLines(const QString &file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    QString text = QString::fromUtf8(f.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

// The section name of a "[name]" line, or a null string for other lines.
QString sectionOf(const QString &line) {
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
        return t.mid(1, t.size() - 2).trimmed();
    }
    return {};
}

// Splits a "key=value" line; false for comments, blank lines and lines
// without "=".
bool splitEntry(const QString &line, QString *key, QString *value) {
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';'))) {
        return false;
    }
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0) {
        return false;
    }
    *key = t.left(eq).trimmed();
    *value = t.mid(eq + 1).trimmed();
    return true;
}

bool sameName(const QString &a, const QString &b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}  // namespace

QString ReadSetting(const QString &file, const QString &section, const QString &key,
                    const QString &defaultValue) {
    const QStringList lines = readLines(file);
    bool inSection = false;
    for (const QString &line : lines) {
        const QString name = sectionOf(line);
        if (!name.isNull()) {
            if (inSection) {
                break;  // the first section of that name is the one read
            }
            inSection = sameName(name, section);
            continue;
        }
        QString k;
        QString v;
        if (inSection && splitEntry(line, &k, &v) && sameName(k, key)) {
            return v.left(kMaxSettingLength);
        }
    }
    return defaultValue.trimmed().left(kMaxSettingLength);
}

bool WriteSetting(const QString &file, const QString &section, const QString &key,
                  const QString &value) {
    QString oneLine = value;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '));
    oneLine.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString entry = key + QLatin1Char('=') + oneLine;

    QStringList lines = readLines(file);
    qsizetype sectionLine = -1;
    qsizetype lastEntryLine = -1;
    bool written = false;
    for (qsizetype i = 0; i < lines.size() && !written; ++i) {
        const QString name = sectionOf(lines[i]);
        if (!name.isNull()) {
            if (sectionLine >= 0) {
                break;
            }
            if (sameName(name, section)) {
                sectionLine = i;
                lastEntryLine = i;
            }
            continue;
        }
        if (sectionLine < 0) {
            continue;
        }
        QString k;
        QString v;
        if (splitEntry(lines[i], &k, &v)) {
            lastEntryLine = i;
            if (sameName(k, key)) {
                lines[i] = entry;
                written = true;
            }
        }
    }
    if (!written) {
        if (sectionLine < 0) {
            lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
        } else {
            lines.insert(lastEntryLine + 1, entry);
        }
    }

    QDir().mkpath(QFileInfo(file).absolutePath());
    return saveBytes(file, lines.join(QLatin1Char('\n')).toUtf8() + '\n');
}

}  // namespace glyphsmith
