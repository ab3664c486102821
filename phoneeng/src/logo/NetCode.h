// The network code of an operator logo: mobile country and network code,
// shown as "MCC MNC" with the MNC's leading zero ("244 05").
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace phoneeng {

struct NetCode {
    int mcc = 0;  // 0..999
    int mnc = 0;  // 0..999
    bool operator==(const NetCode &) const = default;
};

// Reads "244 05", "244 5", " 244  05 ", "244-05" or "24405"; "" is the
// absent code (0, 0). nullopt when the text is none of these.
std::optional<NetCode> parseNetCode(std::string_view text);

// "%d %02d"; the absent code (0, 0) gives "".
std::string formatNetCode(const NetCode &code);

}  // namespace phoneeng
