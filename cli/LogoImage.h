// A logo held in memory between a reader and a writer: its kind, its size in
// logo pixels and its network code, with one flag per pixel (true = set,
// black), row-major from the top left corner.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "document/LogoKind.h"

namespace glyphsmith::cli {

struct LogoImage {
    LogoKind kind = kOperatorLogo;
    int width = 0;
    int height = 0;
    QString netCode;  // "MCC MNC", or empty for none
    std::vector<bool> pixels;

    // A clear logo of `kind` at that kind's size.
    static LogoImage blank(LogoKind kind);

    bool isSet(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height && pixels[y * width + x];
    }
    void set(int x, int y, bool on) { pixels[y * width + x] = on; }

    // The logo as `newKind`, at that kind's size: the top left corner is
    // kept, pixels past the old size are clear. The network code stays.
    LogoImage asKind(LogoKind newKind) const;
};

// The library's fbLogoType back to a kind; nothing for fbNoLogo or another
// value.
std::optional<LogoKind> kindForLogoType(int fbLogoType);

// The kind whose size is `width` x `height` logo pixels (72 x 14 the
// operator logo, 72 x 28 the picture message, 84 x 48 the startup logo);
// nothing for another size.
std::optional<LogoKind> kindOfSize(int width, int height);

// "operator", "caller", "picture", "startup" (and a few spellings users
// type, any case) to a kind; nothing for another word.
std::optional<LogoKind> kindFromName(const QString &name);
// The kind's name in messages and `info`: "operator logo", ...
QString kindDisplayName(LogoKind kind);

// The logo as text: one line per row, '#' for a set pixel, '.' for a clear
// one, each line ended by '\n'.
QString logoTextArt(const LogoImage &logo);

}  // namespace glyphsmith::cli
