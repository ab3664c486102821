// Logo and ring tone files read and written by the phone engine, through the
// library's logo and ring tone objects. The engine holds one logo and one
// ring tone per process: every function here works on that one.
#pragma once

#include <QString>
#include <functional>

#include "FormatTable.h"
#include "LogoImage.h"

class FBLogo;
class FBRingTone;

namespace glyphsmith::cli {

// The process's logo and ring tone objects, created on first use (no Qt
// application is needed for them).
FBLogo &engineLogo();
FBRingTone &engineRingTone();

// The engine's logo as a LogoImage (type, size, network code and pixels).
LogoImage logoFromEngine(FBLogo &logo);
// Puts `image` into the engine's logo: its type, network code and pixels.
// A network code the engine refuses is a usage error.
void logoToEngine(FBLogo &logo, const LogoImage &image);

// Reads a NOL, NGG, NSL, NLM, BMP or OTA bitmap file, told apart by content.
// A file error when it is missing, unreadable or damaged.
LogoImage readEngineLogoFile(const QString &path);
// Writes `image` to `path` in the engine format of extension `ext` ("nol"),
// whatever extension `path` has; completely or not at all.
void writeEngineLogoFile(const LogoImage &image, const QString &path, const QString &ext);

// Reads an RTTTL or OTT ring tone file into the engine's ring tone.
void readEngineRingToneFile(const QString &path);
// Writes the engine's ring tone as RTTTL ("txt") or OTT ("ott").
void writeEngineRingToneFile(const QString &path, const QString &ext);

// Renders the engine's ring tone as a Standard MIDI File, or as a WAV file
// sounded by `device` (see RingToneWriteOptions); written atomically.
void writeRingToneMidi(const QString &path);
void writeRingToneWav(const QString &path, std::optional<ToneDevice> device);

// The one-line message of an engine file code for `path`; empty for 0.
QString engineFileMessage(int code, const QString &path);

// Calls `write` with a path that ends in "." + `ext`: `path` itself when it
// does, else a temporary name in the same folder that is renamed over `path`
// once `write` returned 0. Returns the code of `write`, or 9 when the rename
// failed (the temporary file is then removed).
int writeWithExtension(const QString &path, const QString &ext,
                       const std::function<int(const QString &target)> &write);

}  // namespace glyphsmith::cli
