// Reading a logo or ring tone named on the command line, whatever its format:
// by its extension through the format table, else the engine tells the
// format apart by content.
#pragma once

#include <QString>
#include <optional>

#include "FormatTable.h"
#include "LogoImage.h"

namespace glyphsmith::cli {

// A logo from `path`; pictures (PNG, JPEG...) through the picture import.
// options.kind (from --kind) sizes formats that hold no size, and is applied
// to the result. Usage error for formats this build cannot read; file error
// for a missing or damaged file.
LogoImage readLogoInput(const QString &path, const LogoReadOptions &options);

// Loads the ring tone at `path` into the engine's ring tone.
void readRingToneInput(const QString &path);

// Whether `path` names a ring tone by its extension.
bool hasRingToneExtension(const QString &path);

// The kind named by --kind, or nothing when the option is absent.
std::optional<LogoKind> kindOption(const QString &value, bool given);

}  // namespace glyphsmith::cli
