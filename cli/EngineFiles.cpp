#include "EngineFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>

#include "CliError.h"
#include "MidiSynth.h"
#include "velkor17/FBLogo.h"
#include "velkor17/FBRingTone.h"

namespace glyphsmith::cli {

namespace {

// Engine result codes met by file calls.
constexpr int kFileOpen = 7;
constexpr int kFileFormat = 8;
constexpr int kFileWrite = 9;
constexpr int kNotSupported = 5;
constexpr int kEmpty = 10;

void throwOnCode(int code, const QString &path) {
    if (code != 0) {
        fileError(engineFileMessage(code, path));
    }
}

}  // namespace

FBLogo &engineLogo() {
    static FBLogo *logo = new FBLogo;  // lives as long as the process
    return *logo;
}

FBRingTone &engineRingTone() {
    static FBRingTone *tone = new FBRingTone;
    return *tone;
}

QString engineFileMessage(int code, const QString &path) {
    switch (code) {
        case 0:
            return QString();
        case kFileOpen:
            return QStringLiteral("%1: cannot open the file").arg(path);
        case kFileFormat:
            return QStringLiteral("%1: damaged or not a file of a known format").arg(path);
        case kFileWrite:
            return QStringLiteral("%1: cannot write the file").arg(path);
        case kNotSupported:
            return QStringLiteral("%1: this format cannot hold the data").arg(path);
        case kEmpty:
            return QStringLiteral("%1: nothing to write").arg(path);
        default:
            return QStringLiteral("%1: the engine failed (code %2)").arg(path).arg(code);
    }
}

int writeWithExtension(const QString &path, const QString &ext,
                       const std::function<int(const QString &target)> &write) {
    if (QFileInfo(path).suffix().compare(ext, Qt::CaseInsensitive) == 0) {
        return write(path);
    }
    const QFileInfo info(path);
    QString temp;
    {
        QTemporaryFile reserve(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                               QStringLiteral(".XXXXXX.") + ext);
        reserve.setAutoRemove(false);
        if (!reserve.open()) {
            return kFileOpen;
        }
        temp = reserve.fileName();
    }
    const int code = write(temp);
    if (code == 0 && std::rename(QFile::encodeName(temp).constData(),
                                 QFile::encodeName(path).constData()) == 0) {
        return 0;
    }
    QFile::remove(temp);
    return code != 0 ? code : kFileWrite;
}

LogoImage logoFromEngine(FBLogo &logo) {
    const std::optional<LogoKind> kind = kindForLogoType(logo.LogoType());
    LogoImage image = LogoImage::blank(kind.value_or(kOperatorLogo));
    image.width = logo.Width();
    image.height = logo.Height();
    image.pixels.assign(std::size_t(image.width) * image.height, false);
    image.netCode = logo.NetCode().trimmed();
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            image.set(x, y, logo.Pixel(qint16(x), qint16(y)) != 1);
        }
    }
    return image;
}

void logoToEngine(FBLogo &logo, const LogoImage &image) {
    logo.setLogoType(static_cast<fbLogoType>(logoKindInfo(image.kind).fbLogoType));
    logo.setNetCode(image.netCode);
    if (logo.LastError() != 0) {
        usageError(QStringLiteral("not a network code: \"%1\" (use MCC MNC, as \"244 05\")")
                       .arg(image.netCode));
    }
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            logo.setPixel(qint16(x), qint16(y), image.isSet(x, y) ? 0 : 1);
        }
    }
}

LogoImage readEngineLogoFile(const QString &path) {
    FBLogo &logo = engineLogo();
    logo.ReadFile(path);
    throwOnCode(logo.LastError(), path);
    return logoFromEngine(logo);
}

void writeEngineLogoFile(const LogoImage &image, const QString &path, const QString &ext) {
    FBLogo &logo = engineLogo();
    logoToEngine(logo, image);
    throwOnCode(writeWithExtension(path, ext,
                                   [&logo](const QString &target) {
                                       logo.WriteFile(target);
                                       return int(logo.LastError());
                                   }),
                path);
}

void readEngineRingToneFile(const QString &path) {
    FBRingTone &tone = engineRingTone();
    tone.ReadFile(path);
    throwOnCode(tone.LastError(), path);
}

void writeEngineRingToneFile(const QString &path, const QString &ext) {
    FBRingTone &tone = engineRingTone();
    const int code = writeWithExtension(path, ext, [&tone](const QString &target) {
        tone.WriteFile(target);
        return int(tone.LastError());
    });
    if (code == kNotSupported) {
        fileError(QStringLiteral("%1: OTT cannot hold this tone (a note outside its four octaves)")
                      .arg(path));
    }
    throwOnCode(code, path);
}

void writeRingToneMidi(const QString &path) {
    FBRingTone &tone = engineRingTone();
    tone.RenderToMidi(path);
    throwOnCode(tone.LastError(), path);
}

void writeRingToneWav(const QString &path, std::optional<ToneDevice> device) {
    const bool haveSoundFont =
        !velkor17::MidiSynth::findSoundFont(velkor17::MidiSynth::defaultSoundFontPaths()).isEmpty();
    if (device == ToneDevice::Midi && !haveSoundFont) {
        // the synthesizer would render silence
        fileError(QStringLiteral("%1: no General MIDI sound font is installed (try --device "
                                 "speaker)")
                      .arg(path));
    }
    const bool midi = device ? *device == ToneDevice::Midi : haveSoundFont;
    FBRingTone &tone = engineRingTone();
    tone.RenderToWav(path, midi ? fbPlayRingtoneMidi : fbPlayRingtoneSpeaker);
    throwOnCode(tone.LastError(), path);
}

}  // namespace glyphsmith::cli
