// "info FILE": what a logo or ring tone file holds.
#pragma once

#include <QStringList>

namespace glyphsmith::cli {

int runInfo(const QStringList &args);
extern const char *const kInfoHelp;

}  // namespace glyphsmith::cli
