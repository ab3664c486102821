#include "FormatTable.h"

#include "EngineFiles.h"
#include "GspLogoFile.h"
#include "PictureModule.h"

namespace glyphsmith::cli {

namespace {

LogoFormat engineLogoFormat(const char *name, const char *ext, std::optional<LogoKind> ownKind) {
    const QString extension = QString::fromLatin1(ext);
    return {QString::fromLatin1(name),
            {extension},
            ownKind,
            [](const QString &path, const LogoReadOptions &) { return readEngineLogoFile(path); },
            [extension](const LogoImage &image, const QString &path, const LogoWriteOptions &) {
                writeEngineLogoFile(image, path, extension);
            }};
}

// The picture formats, through the pictures module.
LogoImage readPicture(const QString &path, const LogoReadOptions &options) {
    return pictureModule().readPictureLogo(path, options);
}
void writePng(const LogoImage &image, const QString &path, const LogoWriteOptions &options) {
    pictureModule().writePngLogo(image, path, options);
}
void writeXbm(const LogoImage &image, const QString &path, const LogoWriteOptions &options) {
    pictureModule().writeXbmLogo(image, path, options);
}
void writeHeader(const LogoImage &image, const QString &path, const LogoWriteOptions &options) {
    pictureModule().writeHeaderLogo(image, path, options);
}

template <typename Format>
const Format *findIn(const std::vector<Format> &formats, const QString &nameOrExtension) {
    const QString wanted = nameOrExtension.toLower();
    for (const Format &f : formats) {
        if (f.name.toLower() == wanted || f.extensions.contains(wanted)) {
            return &f;
        }
    }
    return nullptr;
}

template <typename Format>
QString namesOf(const std::vector<Format> &formats) {
    QStringList names;
    for (const Format &f : formats) {
        names << f.name;
    }
    return names.join(QStringLiteral(", "));
}

}  // namespace

const std::vector<LogoFormat> &logoFormats() {
    static const std::vector<LogoFormat> formats = {
        engineLogoFormat("NOL", "nol", kOperatorLogo),
        engineLogoFormat("NGG", "ngg", kCallerGroupLogo),
        engineLogoFormat("NSL", "nsl", kStartupLogo),
        engineLogoFormat("NLM", "nlm", std::nullopt),
        engineLogoFormat("BMP", "bmp", std::nullopt),
        engineLogoFormat("OTB", "otb", std::nullopt),
        {QStringLiteral("GSP"),
         {QStringLiteral("gsp")},
         std::nullopt,
         [](const QString &path, const LogoReadOptions &options) {
             return readGspLogoFile(path, options.kind);
         },
         [](const LogoImage &image, const QString &path, const LogoWriteOptions &) {
             writeGspLogoFile(image, path);
         }},
        {QStringLiteral("PNG"), {QStringLiteral("png")}, std::nullopt, readPicture, writePng},
        {QStringLiteral("XBM"), {QStringLiteral("xbm")}, std::nullopt, readPicture, writeXbm},
        // the C header of the export: written only
        {QStringLiteral("H"), {QStringLiteral("h")}, std::nullopt, {}, writeHeader},
    };
    return formats;
}

const std::vector<RingToneFormat> &ringToneFormats() {
    static const std::vector<RingToneFormat> formats = {
        {QStringLiteral("RTTTL"),
         {QStringLiteral("txt"), QStringLiteral("rtttl"), QStringLiteral("rtx")},
         readEngineRingToneFile,
         [](const QString &path, const RingToneWriteOptions &) {
             writeEngineRingToneFile(path, QStringLiteral("txt"));
         }},
        {QStringLiteral("OTT"),
         {QStringLiteral("ott")},
         readEngineRingToneFile,
         [](const QString &path, const RingToneWriteOptions &) {
             writeEngineRingToneFile(path, QStringLiteral("ott"));
         }},
        // written only, as the ring tone window exports them
        {QStringLiteral("MIDI"),
         {QStringLiteral("mid"), QStringLiteral("midi")},
         {},
         [](const QString &path, const RingToneWriteOptions &) { writeRingToneMidi(path); }},
        {QStringLiteral("WAV"),
         {QStringLiteral("wav")},
         {},
         [](const QString &path, const RingToneWriteOptions &options) {
             writeRingToneWav(path, options.device);
         }},
    };
    return formats;
}

const LogoFormat *findLogoFormat(const QString &nameOrExtension) {
    return findIn(logoFormats(), nameOrExtension);
}

const RingToneFormat *findRingToneFormat(const QString &nameOrExtension) {
    return findIn(ringToneFormats(), nameOrExtension);
}

bool isPictureExtension(const QString &extension) {
    static const QStringList pictures = {
        QStringLiteral("png"),  QStringLiteral("jpg"), QStringLiteral("jpeg"),
        QStringLiteral("gif"),  QStringLiteral("tif"), QStringLiteral("tiff"),
        QStringLiteral("webp"), QStringLiteral("ppm"), QStringLiteral("pgm"),
        QStringLiteral("pbm"),  QStringLiteral("xpm")};
    return pictures.contains(extension.toLower());
}

QString logoFormatNames() {
    return namesOf(logoFormats());
}

QString ringToneFormatNames() {
    return namesOf(ringToneFormats());
}

}  // namespace glyphsmith::cli
