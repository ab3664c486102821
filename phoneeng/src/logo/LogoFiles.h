// Logo files on disk: the codecs of LogoCodec.h with whole-file reads and
// all-or-nothing writes around them. Results are call-set codes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "logo/DecodedLogo.h"
#include "logo/Logo.h"

namespace phoneeng {

// No logo file is this long; longer files are refused unread.
constexpr size_t kMaxLogoFileBytes = 1 << 20;

// Reads the file, whatever its extension, into `logo`. PE_FILE_OPEN for a
// missing or unreadable file, PE_FILE_FORMAT for an unknown, damaged,
// truncated or oversized one; `logo` is only changed on PE_OK.
int16_t readLogoFile(const std::string &path, Logo &logo);

// Writes `logo` in `format`, or when nullopt in the format of the path's
// extension, falling back to the type's own format. PE_EMPTY for a logo of
// type None (nothing is written); otherwise the codes of
// writeFileAtomically.
int16_t writeLogoFile(const std::string &path, const Logo &logo,
                      std::optional<LogoFormat> format = std::nullopt);

}  // namespace phoneeng
