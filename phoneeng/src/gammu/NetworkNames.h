// Network codes to provider and country names, from libgammu's table:
// known without a phone.
#pragma once

#include <optional>
#include <string>

namespace phoneeng {

struct NetworkName {
    std::string provider;  // ISO-8859-1
    std::string country;   // ISO-8859-1, "" when the table has none
};

// The names of `code` ("MCC MNC", as "244 05"); nothing for a code the
// table does not hold.
std::optional<NetworkName> networkNameFor(const std::string &code);

}  // namespace phoneeng
