#include "Console.h"

#include <unistd.h>

#include <cstdio>

namespace glyphsmith::cli {

void printOut(const QString &text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void printErr(const QString &text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

bool errIsTerminal() {
    return isatty(fileno(stderr)) != 0;
}

}  // namespace glyphsmith::cli
