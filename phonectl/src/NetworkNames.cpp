#include "velkor17/NetworkNames.h"

#include "EngineBinding.h"
#include "EngineBuffer.h"
#include "velkor17/VelkorError.h"

namespace velkor17 {

NetworkNames LookupNetworkNames(const QString &sNetCode) {
    using Lookup = int16_t (*)(const char *, char *, int32_t);
    Lookup lookup = nullptr;
    try {
        lookup = reinterpret_cast<Lookup>(
            EngineBinding::instance().extraSymbol("phoneeng_network_name"));
    } catch (const VelkorError &) {
        return {};
    }
    EngineBuffer buffer(256);
    if (lookup(engineText(sNetCode).constData(), buffer.data(), buffer.size()) != 0) {
        return {};
    }
    const QString text = buffer.text();
    return {text.section(QLatin1Char('\t'), 0, 0), text.section(QLatin1Char('\t'), 1)};
}

}  // namespace velkor17
