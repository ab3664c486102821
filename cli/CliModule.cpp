#include "CliModule.h"

#include <dlfcn.h>

#include <QFile>

#include "CliError.h"
// the modules beside libvelkor17-core.so (exported by it)
#include "../phonectl/src/LibraryFolder.h"

namespace glyphsmith::cli {

void *cliModuleSymbol(const char *module, const char *symbol) {
    const QString path = velkor17::besideLibrary(QLatin1String(module));
    void *handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    void *address = handle ? dlsym(handle, symbol) : nullptr;
    if (!address) {
        const char *why = dlerror();
        throw CliError(kExitUsage, QStringLiteral("%1 cannot be loaded (%2): this installation "
                                                  "is incomplete")
                                       .arg(QLatin1String(module),
                                            QString::fromLocal8Bit(why ? why : "no entry")));
    }
    return address;
}

int runPhoneModule(const QStringList &args) {
    using Entry = decltype(&glyphsmith_cli_phone);
    static const auto entry = reinterpret_cast<Entry>(
        cliModuleSymbol("libglyphsmith-cli-phone.so", "glyphsmith_cli_phone"));
    return entry(args);
}

}  // namespace glyphsmith::cli
