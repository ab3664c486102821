// The error the library raises: a 32-bit error number and its description.
#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

#include "velkor17/Export.h"

namespace velkor17 {

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
