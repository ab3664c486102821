#include "Console.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

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

void withLibraryChatterSilenced(const std::function<void()> &work) {
    std::fflush(stderr);
    const int saved = std::getenv("GLYPHSMITH_CLI_DEBUG") ? -1 : dup(STDERR_FILENO);
    const int null = saved >= 0 ? open("/dev/null", O_WRONLY | O_CLOEXEC) : -1;
    if (null >= 0) {
        dup2(null, STDERR_FILENO);
        close(null);
    }
    struct Restore {
        int saved;
        ~Restore() {
            if (saved >= 0) {
                dup2(saved, STDERR_FILENO);
                close(saved);
            }
        }
    } restore{saved};
    work();
}

}  // namespace glyphsmith::cli
