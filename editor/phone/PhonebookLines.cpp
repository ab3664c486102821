#include "phone/PhonebookLines.h"

namespace glyphsmith {

namespace {

constexpr int kNumberColumn = 13;  // characters a number is padded to, at two spaces each

// Spaces only: tabs and the other white space stay, as the list line's tab does.
QString trimSpaces(const QString &text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text.at(from) == QLatin1Char(' ')) {
        ++from;
    }
    while (to > from && text.at(to - 1) == QLatin1Char(' ')) {
        --to;
    }
    return text.mid(from, to - from);
}

}  // namespace

QString phonebookLine(int entry, const QString &number, const QString &name, int group) {
    QString line = (QStringLiteral("0") + QString::number(entry)).right(2);
    line += QStringLiteral(": ") + number;
    if (number.size() < kNumberColumn) {
        line += QString(2 * (kNumberColumn - number.size()), QLatin1Char(' '));
    }
    line += QLatin1Char('\t') + name;
    if (group >= 1) {
        line += QStringLiteral(" (Group ") + QString::number(group) + QLatin1Char(')');
    }
    return line;
}

QString pickedText(const QString &line) {
    // without a ':' the whole line counts
    QString text = trimSpaces(line.mid(line.indexOf(QLatin1Char(':')) + 1));
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    if (space >= 0) {
        text.truncate(space);
    }
    return text;
}

QString pickedNumber(const QString &line) {
    const QString text = pickedText(line);
    qsizetype end = 0;
    while (end < text.size()) {
        const char16_t c = text.at(end).unicode();
        if (!((c >= u'0' && c <= u'9') || c == u'+')) {
            break;
        }
        ++end;
    }
    return text.left(end);
}

}  // namespace glyphsmith
