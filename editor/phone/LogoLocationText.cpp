#include "phone/LogoLocationText.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "shell/SharedValues.h"

namespace glyphsmith {

namespace {

int digitValue(QChar c, int base) {
    int v = -1;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
        v = c.unicode() - '0';
    } else if (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')) {
        v = c.toLower().unicode() - 'a' + 10;
    }
    return v >= 0 && v < base ? v : -1;
}

}  // namespace

double leadingNumber(const QString &text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n')) {
            s.append(c);
        }
    }
    if (s.size() >= 2 && s[0] == QLatin1Char('&')) {
        const QChar prefix = s[1].toUpper();
        const int base = prefix == QLatin1Char('H') ? 16 : prefix == QLatin1Char('O') ? 8 : 0;
        if (base == 0) {
            return 0;
        }
        double value = 0;
        for (int i = 2; i < s.size(); ++i) {
            const int d = digitValue(s[i], base);
            if (d < 0) {
                break;
            }
            value = value * base + d;
        }
        return value;
    }

    // sign, digits, point, digits, exponent: the longest prefix that forms a
    // number, handed to the standard conversion
    QByteArray number;
    int i = 0;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        number.append(char(s[i++].unicode()));
    }
    bool digits = false;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
        number.append(char(s[i++].unicode()));
        digits = true;
    }
    if (i < s.size() && s[i] == QLatin1Char('.')) {
        number.append('.');
        ++i;
        while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
            number.append(char(s[i++].unicode()));
            digits = true;
        }
    }
    if (!digits) {
        return 0;
    }
    if (i < s.size() &&
        (s[i].toUpper() == QLatin1Char('E') || s[i].toUpper() == QLatin1Char('D'))) {
        QByteArray exponent("e");
        int j = i + 1;
        if (j < s.size() && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-'))) {
            exponent.append(char(s[j++].unicode()));
        }
        bool expDigits = false;
        while (j < s.size() && s[j].isDigit() && s[j].unicode() < 128) {
            exponent.append(char(s[j++].unicode()));
            expDigits = true;
        }
        if (expDigits) {
            number.append(exponent);
        }
    }
    // independent of the process locale; a value too large for a double
    // counts as infinite, one too small as 0
    double value = 0;
    const char *first = number.constData();
    if (*first == '+') {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, number.constData() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        const bool tiny = number.contains("e-");
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
        if (!tiny && number.startsWith('-')) {
            value = -value;
        }
    }
    return value;
}

qint16 locationFromText(const QString &text) {
    const double location = std::nearbyint(leadingNumber(text) - 1.0);
    if (!std::isfinite(location) || location < std::numeric_limits<qint16>::min() ||
        location > std::numeric_limits<qint16>::max()) {
        return SharedValues::kNoLocation;
    }
    return static_cast<qint16>(location);
}

}  // namespace glyphsmith
