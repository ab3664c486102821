// What the fuzz targets share: a check that stops the run with the failed
// condition (libFuzzer keeps the input that caused it), and a fixed scratch
// file for readers that take a path.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(cond)                                                                       \
    do {                                                                                       \
        if (!(cond)) {                                                                         \
            std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

namespace fuzz {

// A path in the temporary folder owned by this process, holding `size`
// bytes of `data` after the call. One path per process and suffix.
inline std::string scratchFile(const uint8_t *data, size_t size, const char *suffix) {
    const char *tmp = std::getenv("TMPDIR");
    const std::string path = std::string(tmp && *tmp ? tmp : "/tmp") + "/glyphsmith-fuzz-" +
                             std::to_string(::getpid()) + suffix;
    // Removed when the process ends normally.
    static const struct Remover {
        std::string path;
        ~Remover() { std::remove(path.c_str()); }
    } remover{path};
    std::FILE *f = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(f != nullptr);
    FUZZ_CHECK(size == 0 || std::fwrite(data, 1, size, f) == size);
    FUZZ_CHECK(std::fclose(f) == 0);
    return path;
}

}  // namespace fuzz
