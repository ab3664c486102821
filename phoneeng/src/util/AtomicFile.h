// Whole-file reads with a size cap and all-or-nothing writes, the file I/O
// that sits around the engine's pure codecs. Results are call-set codes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace phoneeng {

// Reads the regular file at `path` into `out` (replacing its contents).
// PE_FILE_OPEN: missing, not a regular file (directories, FIFOs and devices
// are refused without blocking), unreadable or a read error.
// PE_FILE_FORMAT: longer than `maxBytes`, which no valid file of the caller's
// formats is. `out` is left alone on failure.
int16_t readWholeFile(const std::string &path, size_t maxBytes, std::vector<uint8_t> &out);

// Writes `bytes` to `path` completely or not at all: a temporary file in the
// same folder is written, flushed to disk and renamed over `path`. An
// existing file keeps its permission bits; a new one gets 0666 less the
// umask. A symbolic link at `path` is followed, so the file it names is
// replaced and the link stays.
// PE_FILE_OPEN: the temporary file cannot be created (missing folder, no
// permission, `path` names a folder). PE_FILE_WRITE: writing, flushing or the
// rename failed. On failure the temporary file is removed and `path` is
// untouched.
int16_t writeFileAtomically(const std::string &path, std::span<const uint8_t> bytes);

}  // namespace phoneeng
