// Table-driven answers to Dispatch::invoke.
//
// Every class of the library keeps one static DispatchTable<Class> that lists
// its members: DISPID, kind, name, argument types (with the defaults of the
// optional ones) and a handler that calls the typed C++ member. The table does
// the common work once: it finds the member, checks the argument count, fills
// in left-out trailing optional arguments, converts every argument to its
// declared type, and raises the standard dispatch errors.
//
// To add a member to a class:
//   1. declare the typed member in the class header, in slot order;
//   2. add a row to the table() of the class's .cpp (which says
//      `using namespace velkor17::dispatch_names;` for the short names):
//        {0x6803000E, Get, "Note", {Int16},
//         [](FBRingTone &o, const Args &a) { return retString(o.Note(a.i16(0))); }},
//      A property put lists the member's own arguments first and the new value
//      last: {0x6803000E, Put, "Note", {Int16, String}, ...}.
//      An optional argument is written opt(Type, default); only trailing
//      arguments may be optional. A caller leaves one out by passing fewer
//      arguments or an invalid QVariant in its place.
//   3. return the result with the ret* helpers below (a method or put that
//      returns nothing returns QVariant()); child objects go out as
//      retObject(child).
// A Method call of a DISPID that only has a property get (and the other way
// round) finds that member too, as hosts may call either way.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTime>
#include <QVariant>
#include <QVariantList>
#include <initializer_list>
#include <unordered_map>
#include <vector>

#include "velkor17/Dispatch.h"

namespace velkor17 {

// The types an argument is converted to before the handler sees it.
enum class ArgType {
    Int16,     // qint16
    Int32,     // qint32
    Byte,      // quint8
    Float,     // float
    Bool,      // bool
    String,    // QString
    DateTime,  // QDateTime (null = the zero date)
    Time,      // QTime
    Variant,   // passed unchanged
    Picture,   // a QVariant holding a QImage (from a QImage or QPixmap)
};

struct ArgDef {
    ArgDef(ArgType t) : type(t) {}  // NOLINT: lets a table write {Int16, String}
    ArgDef(ArgType t, QVariant def) : type(t), defaultValue(std::move(def)), optional(true) {}
    ArgType type;
    QVariant defaultValue;
    bool optional = false;
};

inline ArgDef opt(ArgType type, QVariant defaultValue) {
    return ArgDef(type, std::move(defaultValue));
}

// Converts one argument; throws VelkorError 0x80020005 when it cannot.
QVariant convertArgument(const QVariant &value, ArgType type);

// Checks the count against the definitions (0x8002000E), fills in defaults for
// left-out trailing optional arguments and converts each one.
QVariantList prepareArguments(const std::vector<ArgDef> &defs, const QVariantList &args);

[[noreturn]] void throwMemberNotFound(qint32 dispId);

// The converted arguments of one call: every declared argument is present and
// holds its declared type.
class Args {
public:
    explicit Args(QVariantList values) : values_(std::move(values)) {}
    qint16 i16(int i) const { return values_.at(i).value<qint16>(); }
    qint32 i32(int i) const { return values_.at(i).value<qint32>(); }
    quint8 byte(int i) const { return values_.at(i).value<quint8>(); }
    float f(int i) const { return values_.at(i).value<float>(); }
    bool b(int i) const { return values_.at(i).value<bool>(); }
    QString s(int i) const { return values_.at(i).value<QString>(); }
    QDateTime dt(int i) const { return values_.at(i).value<QDateTime>(); }
    QTime t(int i) const { return values_.at(i).value<QTime>(); }
    const QVariant &v(int i) const { return values_.at(i); }
    qsizetype size() const { return values_.size(); }

private:
    QVariantList values_;
};

inline QVariant ret16(qint16 v) {
    return QVariant::fromValue<qint16>(v);
}
inline QVariant ret32(qint32 v) {
    return QVariant::fromValue<qint32>(v);
}
inline QVariant retByte(quint8 v) {
    return QVariant::fromValue<quint8>(v);
}
inline QVariant retFloat(float v) {
    return QVariant::fromValue<float>(v);
}
inline QVariant retBool(bool v) {
    return QVariant::fromValue<bool>(v);
}
inline QVariant retString(const QString &v) {
    return QVariant::fromValue<QString>(v);
}
inline QVariant retDateTime(const QDateTime &v) {
    return QVariant::fromValue<QDateTime>(v);
}
inline QVariant retTime(const QTime &v) {
    return QVariant::fromValue<QTime>(v);
}
inline QVariant retObject(QObject *o) {
    return QVariant::fromValue<QObject *>(o);
}

template <class T>
struct DispatchEntry {
    using Handler = QVariant (*)(T &self, const Args &args);
    qint32 dispId;
    DispatchKind kind;
    const char *name;
    std::vector<ArgDef> args;
    Handler handler;
};

template <class T>
class DispatchTable {
public:
    DispatchTable(std::initializer_list<DispatchEntry<T>> entries) : entries_(entries) {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            index_.emplace(key(entries_[i].dispId, entries_[i].kind), i);
        }
    }

    QVariant invoke(T &self, qint32 dispId, DispatchKind kind, const QVariantList &args) const {
        const DispatchEntry<T> *entry = find(dispId, kind);
        if (!entry) {
            throwMemberNotFound(dispId);
        }
        return entry->handler(self, Args(prepareArguments(entry->args, args)));
    }

    const DispatchEntry<T> *find(qint32 dispId, DispatchKind kind) const {
        if (const DispatchEntry<T> *e = exact(dispId, kind)) {
            return e;
        }
        if (kind == DispatchKind::Method) {
            return exact(dispId, DispatchKind::PropertyGet);
        }
        if (kind == DispatchKind::PropertyGet) {
            return exact(dispId, DispatchKind::Method);
        }
        return nullptr;
    }

    const std::vector<DispatchEntry<T>> &entries() const { return entries_; }

private:
    static quint64 key(qint32 dispId, DispatchKind kind) {
        return (quint64(quint32(dispId)) << 2) | quint64(kind);
    }
    const DispatchEntry<T> *exact(qint32 dispId, DispatchKind kind) const {
        auto it = index_.find(key(dispId, kind));
        return it == index_.end() ? nullptr : &entries_[it->second];
    }

    std::vector<DispatchEntry<T>> entries_;
    std::unordered_map<quint64, std::size_t> index_;
};

// Short names for the tables.
namespace dispatch_names {
constexpr DispatchKind Method = DispatchKind::Method;
constexpr DispatchKind Get = DispatchKind::PropertyGet;
constexpr DispatchKind Put = DispatchKind::PropertyPut;
using enum ArgType;
}  // namespace dispatch_names

}  // namespace velkor17
