#include "phone/LogoTransferValues.h"

namespace glyphsmith {

LogoTransferValues &logoTransferValues() {
    static LogoTransferValues values;
    return values;
}

}  // namespace glyphsmith
