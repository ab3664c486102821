// The logo file formats taken together: recognising a file by its content,
// fitting what it holds into the engine's logo, and choosing the format a
// logo is written in.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "logo/DecodedLogo.h"
#include "logo/Logo.h"

namespace phoneeng {

// Recognises NOL, NGG, NLM, NSL and BMP by their magic bytes and takes
// anything else for an OTA bitmap. PE_OK, or PE_FILE_FORMAT for an empty,
// unknown or damaged file; `out` is only written on success.
int16_t decodeLogo(std::span<const uint8_t> bytes, DecodedLogo &out);

// The type a picture of w x h pixels that names no type becomes: the type of
// exactly that size (72 x 14 stays a caller-group logo when `current` is one,
// else becomes an operator logo); for another size `current` when it is a
// type, else the smallest type that holds it, else a startup logo.
LogoType typeForSize(int w, int h, LogoType current);

// Makes `logo` take the decoded file: its type (or typeForSize), its pixels
// cropped or padded to that type's size, and its network code if it has one.
// The group number and name and the message text are left alone.
void applyDecodedLogo(const DecodedLogo &decoded, Logo &logo);

// The logo as a file of `format`. NOL, NGG, NLM, BMP and OTA bitmaps hold
// the logo at its own size; NSL holds 84 x 48 with a smaller logo top-left.
// Empty for a logo of type None.
std::vector<uint8_t> encodeLogo(const Logo &logo, LogoFormat format);

// The format named by the path's extension (.nol .ngg .nsl .nlm .bmp .otb,
// any case), else nullopt.
std::optional<LogoFormat> formatForExtension(std::string_view path);

// The type's own format: operator NOL, caller group NGG, startup NSL,
// picture message NLM.
LogoFormat ownFormatOf(LogoType type);

}  // namespace phoneeng
