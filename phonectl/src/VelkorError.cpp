#include "velkor17/VelkorError.h"

namespace velkor17 {

VelkorError::VelkorError(qint32 number, const QString &description)
    : number_(number), description_(description), what_(description.toUtf8()) {}

}  // namespace velkor17
