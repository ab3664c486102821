#include "gammu/NetworkNames.h"

#include <gammu.h>

#include "gammu/GammuLibrary.h"
#include "gammu/GammuText.h"

namespace phoneeng {

namespace {

// libgammu's answer for a code or country outside its table.
const char kUnknown[] = "unknown";

}  // namespace

std::optional<NetworkName> networkNameFor(const std::string &code) {
    // libgammu compares the first six characters: "MCC MNC" exactly
    if (code.size() < 6 || code.size() > 7 || code[3] != ' ') {
        return std::nullopt;
    }
    if (!gammuLibraryError().empty()) {
        return std::nullopt;  // the table is libgammu's
    }
    NetworkName name;
    name.provider = latin1FromGammu(GSM_GetNetworkName(code.c_str()));
    if (name.provider.empty() || name.provider == kUnknown) {
        return std::nullopt;
    }
    name.country = latin1FromGammu(GSM_GetCountryName(code.substr(0, 3).c_str()));
    if (name.country == kUnknown) {
        name.country.clear();
    }
    return name;
}

}  // namespace phoneeng
