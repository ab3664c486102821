// The error the library raises: a 32-bit error number and its description.
#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

#include "velkor17/Export.h"

namespace velkor17 {

// The error numbers the library raises, as signed 32-bit values.
namespace ErrorNumber {
// The control's own errors (raised only while its RaiseError flag is set).
inline constexpr qint32 NotConnected = qint32(0x800403E8u);  // "VelkorLink not connected"
inline constexpr qint32 ConnectFailed =
    qint32(0x800403E9u);  // "VelkorLink connecting failed. Erc n"
// Dispatch: no member with that DISPID and kind; wrong argument count; an
// argument that cannot be converted to the member's type.
inline constexpr qint32 MemberNotFound = qint32(0x80020003u);
inline constexpr qint32 BadParamCount = qint32(0x8002000Eu);
inline constexpr qint32 TypeMismatch = qint32(0x80020005u);
// The engine library cannot be loaded, or it lacks a function. Raised by every
// member that calls the engine, whatever the RaiseError flag says.
inline constexpr qint32 EngineNotFound = qint32(0x800A0035u);
inline constexpr qint32 EngineFunctionNotFound = qint32(0x800A01C5u);
}  // namespace ErrorNumber

class VELKOR17_EXPORT VelkorError : public std::exception {
public:
    VelkorError(qint32 number, const QString &description);

    qint32 number() const { return number_; }
    QString description() const { return description_; }
    const char *what() const noexcept override { return what_.constData(); }

private:
    qint32 number_;
    QString description_;
    QByteArray what_;
};

}  // namespace velkor17
