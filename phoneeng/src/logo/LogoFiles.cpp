#include "logo/LogoFiles.h"

#include "logo/LogoCodec.h"
#include "phoneeng.h"
#include "util/AtomicFile.h"

namespace phoneeng {

int16_t readLogoFile(const std::string &path, Logo &logo) {
    std::vector<uint8_t> bytes;
    int16_t rc = readWholeFile(path, kMaxLogoFileBytes, bytes);
    if (rc != PE_OK) {
        return rc;
    }
    DecodedLogo decoded;
    rc = decodeLogo(bytes, decoded);
    if (rc != PE_OK) {
        return rc;
    }
    applyDecodedLogo(decoded, logo);
    return PE_OK;
}

int16_t writeLogoFile(const std::string &path, const Logo &logo, std::optional<LogoFormat> format) {
    if (logo.type() == LogoType::None) {
        return PE_EMPTY;
    }
    const LogoFormat chosen =
        format ? *format : formatForExtension(path).value_or(ownFormatOf(logo.type()));
    return writeFileAtomically(path, encodeLogo(logo, chosen));
}

}  // namespace phoneeng
