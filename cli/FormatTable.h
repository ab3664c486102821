// The file formats the command line knows, one registration each: a name,
// the file extensions it goes by (the first is the one written), and its
// reader and writer. A format whose reader or writer is empty is known by
// name but cannot be read or written by this build.
//
// Logo formats read into and write from a LogoImage. Ring tone formats work
// on the engine's one ring tone: a reader loads the file into it, a writer
// writes it out.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "LogoImage.h"
#include "imaging/PictureOptions.h"

namespace glyphsmith::cli {

struct LogoReadOptions {
    // The kind asked for with --kind: the size of formats that hold none.
    std::optional<LogoKind> kind;
    // The kind the output format is made for: the size of a picture that
    // has no logo's size when --kind is absent.
    std::optional<LogoKind> targetKind;
    // How a picture becomes logo pixels (--fit, --threshold, --dither...).
    ImportOptions picture;
};

struct LogoWriteOptions {
    int scale = 1;                               // PNG: pixels per logo pixel
    CHeaderLayout layout = CHeaderLayout::Rows;  // C header: the byte layout
};

struct LogoFormat {
    QString name;            // "NOL"
    QStringList extensions;  // lower case, without the dot
    // The kind the format is made for: a logo written in it becomes that
    // kind unless --kind says otherwise. Nothing for formats of any kind.
    std::optional<LogoKind> ownKind;
    std::function<LogoImage(const QString &path, const LogoReadOptions &options)> read;
    std::function<void(const LogoImage &image, const QString &path,
                       const LogoWriteOptions &options)>
        write;
};

// The sound a WAV file is rendered with.
enum class ToneDevice { Midi, Speaker };

struct RingToneWriteOptions {
    // Nothing: the synthesizer when a sound font is installed, else the
    // speaker's square wave.
    std::optional<ToneDevice> device;
};

struct RingToneFormat {
    QString name;
    QStringList extensions;
    std::function<void(const QString &path)> read;
    std::function<void(const QString &path, const RingToneWriteOptions &options)> write;
};

const std::vector<LogoFormat> &logoFormats();
const std::vector<RingToneFormat> &ringToneFormats();

// By name or extension, any case; null when none matches.
const LogoFormat *findLogoFormat(const QString &nameOrExtension);
const RingToneFormat *findRingToneFormat(const QString &nameOrExtension);

// Extensions of pictures that only the picture import reads (PNG, JPEG...).
bool isPictureExtension(const QString &extension);

// "NOL, NGG, ..." for help texts and messages.
QString logoFormatNames();
QString ringToneFormatNames();

}  // namespace glyphsmith::cli
