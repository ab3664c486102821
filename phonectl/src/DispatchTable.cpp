#include "DispatchTable.h"

#include <cmath>
#include <limits>
#include <optional>

#include "velkor17/VelkorError.h"

namespace velkor17 {

namespace {

[[noreturn]] void throwTypeMismatch() {
    throw VelkorError(ErrorNumber::TypeMismatch, QStringLiteral("Type mismatch."));
}

// A number from any numeric, Boolean or numeric-text argument. Booleans count
// as 1 and 0; an empty argument counts as 0.
std::optional<double> toNumber(const QVariant &v) {
    if (!v.isValid()) {
        return 0.0;
    }
    switch (v.metaType().id()) {
        case QMetaType::Bool:
            return v.toBool() ? 1.0 : 0.0;
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
        case QMetaType::Float:
        case QMetaType::Double:
            return v.toDouble();
        case QMetaType::QString:
        case QMetaType::QByteArray: {
            bool ok = false;
            double d = v.toString().trimmed().toDouble(&ok);
            if (ok) {
                return d;
            }
            return std::nullopt;
        }
        default:
            if (v.metaType().flags() & QMetaType::IsEnumeration) {
                return v.toDouble();
            }
            return std::nullopt;
    }
}

// Rounds half to even, as integer arguments are rounded, and checks the range.
template <typename I>
I toInteger(const QVariant &v) {
    std::optional<double> d = toNumber(v);
    if (!d || !std::isfinite(*d)) {
        throwTypeMismatch();
    }
    double r = std::nearbyint(*d);
    if (r < double(std::numeric_limits<I>::min()) || r > double(std::numeric_limits<I>::max())) {
        throwTypeMismatch();
    }
    return static_cast<I>(r);
}

bool toBoolean(const QVariant &v) {
    if (v.metaType().id() == QMetaType::QString || v.metaType().id() == QMetaType::QByteArray) {
        const QString s = v.toString().trimmed();
        if (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
            return true;
        }
        if (s.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
            return false;
        }
    }
    std::optional<double> d = toNumber(v);
    if (!d || std::isnan(*d)) {
        throwTypeMismatch();
    }
    return *d != 0.0;
}

QString toText(const QVariant &v) {
    if (!v.isValid()) {
        return QString();
    }
    switch (v.metaType().id()) {
        case QMetaType::QString:
            return v.toString();
        case QMetaType::QByteArray:
            return QString::fromLatin1(v.toByteArray());
        case QMetaType::QChar:
            return QString(v.toChar());
        case QMetaType::Bool:
            return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        case QMetaType::Float:
        case QMetaType::Double:
            return QString::number(v.toDouble(), 'g', 15);
        default:
            break;
    }
    if (v.metaType().flags() & QMetaType::IsEnumeration) {
        return QString::number(v.toLongLong());
    }
    if (toNumber(v)) {  // an integer: its exact digits
        return v.toString();
    }
    throwTypeMismatch();
}

QDateTime toDateTime(const QVariant &v) {
    if (!v.isValid()) {
        return QDateTime();
    }
    switch (v.metaType().id()) {
        case QMetaType::QDateTime:
            return v.toDateTime();
        case QMetaType::QDate:
            return v.toDate().isValid() ? QDateTime(v.toDate(), QTime(0, 0)) : QDateTime();
        case QMetaType::QString: {
            const QString s = v.toString().trimmed();
            if (s.isEmpty()) {
                return QDateTime();
            }
            QDateTime dt = QDateTime::fromString(s, Qt::ISODate);
            if (dt.isValid()) {
                return dt;
            }
            break;
        }
        default:
            break;
    }
    throwTypeMismatch();
}

QTime toTime(const QVariant &v) {
    if (!v.isValid()) {
        return QTime(0, 0);
    }
    switch (v.metaType().id()) {
        case QMetaType::QTime:
            return v.toTime();
        case QMetaType::QDateTime:
            return v.toDateTime().isValid() ? v.toDateTime().time() : QTime(0, 0);
        case QMetaType::QString: {
            QTime t = QTime::fromString(v.toString().trimmed(), Qt::ISODate);
            if (t.isValid()) {
                return t;
            }
            break;
        }
        default:
            break;
    }
    throwTypeMismatch();
}

// QImage and QPixmap are Qt Gui's: told apart by type id and converted by
// the conversion Qt Gui registers, so that this library needs Qt Core only.
// Only a host that has Qt Gui loaded can pass them at all.
QVariant toPicture(const QVariant &v) {
    switch (v.metaType().id()) {
        case QMetaType::QImage:
            return v;
        case QMetaType::QPixmap: {
            QVariant image = v;
            if (image.convert(QMetaType(QMetaType::QImage))) {
                return image;
            }
            break;
        }
        default:
            break;
    }
    throwTypeMismatch();
}

}  // namespace

QVariant convertArgument(const QVariant &value, ArgType type) {
    switch (type) {
        case ArgType::Int16:
            return QVariant::fromValue<qint16>(toInteger<qint16>(value));
        case ArgType::Int32:
            return QVariant::fromValue<qint32>(toInteger<qint32>(value));
        case ArgType::Byte:
            return QVariant::fromValue<quint8>(toInteger<quint8>(value));
        case ArgType::Float: {
            std::optional<double> d = toNumber(value);
            if (!d) {
                throwTypeMismatch();
            }
            return QVariant::fromValue<float>(static_cast<float>(*d));
        }
        case ArgType::Bool:
            return QVariant::fromValue<bool>(toBoolean(value));
        case ArgType::String:
            return QVariant::fromValue<QString>(toText(value));
        case ArgType::DateTime:
            return QVariant::fromValue<QDateTime>(toDateTime(value));
        case ArgType::Time:
            return QVariant::fromValue<QTime>(toTime(value));
        case ArgType::Variant:
            return value;
        case ArgType::Picture:
            return toPicture(value);
    }
    throwTypeMismatch();
}

QVariantList prepareArguments(const std::vector<ArgDef> &defs, const QVariantList &args) {
    qsizetype required = 0;
    for (qsizetype i = 0; i < qsizetype(defs.size()); ++i) {
        if (!defs[i].optional) {
            required = i + 1;
        }
    }
    if (args.size() < required || args.size() > qsizetype(defs.size())) {
        throw VelkorError(ErrorNumber::BadParamCount,
                          QStringLiteral("Invalid number of parameters."));
    }
    QVariantList out;
    out.reserve(qsizetype(defs.size()));
    for (qsizetype i = 0; i < qsizetype(defs.size()); ++i) {
        const ArgDef &def = defs[i];
        // An invalid QVariant stands for a left-out optional argument.
        const bool given = i < args.size() && (args[i].isValid() || !def.optional);
        out.append(convertArgument(given ? args[i] : def.defaultValue, def.type));
    }
    return out;
}

void throwMemberNotFound(qint32 dispId) {
    throw VelkorError(ErrorNumber::MemberNotFound,
                      QStringLiteral("Member not found: DISPID 0x%1")
                          .arg(quint32(dispId), 8, 16, QLatin1Char('0')));
}

}  // namespace velkor17
