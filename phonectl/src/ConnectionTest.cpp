#include "velkor17/ConnectionTest.h"

#include "EngineBinding.h"
#include "EngineBuffer.h"
#include "velkor17/VelkorEnums.h"
#include "velkor17/VelkorError.h"

namespace velkor17 {

QString TestConnection(const QString &sComport) {
    using Check = int16_t (*)(const char *, int32_t, char *, int32_t);
    Check check = nullptr;
    try {
        check = reinterpret_cast<Check>(
            EngineBinding::instance().extraSymbol("phoneeng_check_connection"));
    } catch (const VelkorError &e) {
        return QStringLiteral("[FAILED] ") + e.description();
    }
    EngineBuffer buffer(4096);
    check(engineText(sComport).constData(), fbConnectionSerial, buffer.data(), buffer.size());
    return buffer.text();
}

}  // namespace velkor17
