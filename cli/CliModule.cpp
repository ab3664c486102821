#include "CliModule.h"

#include <dlfcn.h>

#include <QFileInfo>

#include "CliError.h"
// the folder libvelkor17-core.so was loaded from (exported by it)
#include "../phonectl/src/LibraryFolder.h"

namespace glyphsmith::cli {

void *cliModuleSymbol(const char *module, const char *symbol) {
    // By full path when the module sits beside velkor17 (the build tree and
    // the installed layout): a name alone is looked up through the run path
    // of whoever calls dlopen, which a sanitizer's interceptor changes.
    const QString beside = velkor17::libraryFolder() + QLatin1Char('/') + QLatin1String(module);
    void *handle = dlopen(QFileInfo::exists(beside) ? beside.toLocal8Bit().constData() : module,
                          RTLD_NOW | RTLD_LOCAL);
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
