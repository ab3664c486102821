// Helpers for the C call set's text conventions: texts in are NUL-terminated
// ISO-8859-1 (null = ""), texts out go into a caller buffer of len bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "phoneeng.h"

namespace phoneeng {

// The text behind a C argument; a null pointer reads as "".
inline std::string textIn(const char *text) { return text ? std::string(text) : std::string(); }

// Writes `text` NUL-terminated into buf (len bytes including the NUL). A text
// that does not fit is cut. Gives PE_BAD_ARGUMENT for a null buf or len <= 0,
// writing nothing.
inline int16_t textOut(char *buf, int32_t len, std::string_view text) {
    if (!buf || len <= 0) {
        return PE_BAD_ARGUMENT;
    }
    const size_t n = std::min<size_t>(text.size(), static_cast<size_t>(len) - 1);
    text.copy(buf, n);
    buf[n] = '\0';
    return PE_OK;
}

// Writes v through p unless p is null.
inline void valueOut(int32_t *p, int32_t v) {
    if (p) {
        *p = v;
    }
}

}  // namespace phoneeng
