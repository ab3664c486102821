// The logo subcommands of "phone": upload, download and send-logo.
#include <QFileInfo>

#include "CliError.h"
#include "EngineFiles.h"
#include "FormatTable.h"
#include "LogoInput.h"
#include "PhoneCommand.h"
#include "PhoneSession.h"
#include "velkor17/FBLogo.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith::cli {

namespace {

// Caller-group numbers and picture-message locations count from 0.
constexpr int kMaxLocation = 255;
constexpr int kSendTimeoutMs = 60000;

bool usesLocation(LogoKind kind) {
    return kind == kCallerGroupLogo || kind == kPictureMessage;
}

// The logo named by FILE (with --kind and --netcode) in the engine's logo,
// with its location and picture text.
LogoImage loadLogo(FBLogo &logo, const ArgParser &p) {
    LogoReadOptions options;
    options.kind = kindOption(p.value("kind"), p.has("kind"));
    LogoImage image = readLogoInput(p.positionals().constFirst(), options);
    if (p.has("netcode")) {
        image.netCode = p.value("netcode");
    }
    logoToEngine(logo, image);
    if (usesLocation(image.kind)) {
        logo.setCallerGroupNumber(qint16(p.intValue("location", 0, 0, kMaxLocation)));
    }
    if (p.has("text")) {
        if (image.kind != kPictureMessage) {
            usageError(QStringLiteral("--text is for picture messages"));
        }
        logo.setMessageText(p.value("text"));
        PhoneSession::check(logo.LastError(), QStringLiteral("setting the picture text"));
    }
    return image;
}

void upload(PhoneSession &session, const ArgParser &p) {
    VelkorControl &control = session.connected();
    FBLogo &logo = *control.Logo();
    loadLogo(logo, p);
    logo.Upload();
    PhoneSession::check(logo.LastError(), QStringLiteral("upload"));
}

void download(PhoneSession &session, const ArgParser &p) {
    const std::optional<LogoKind> kind = kindOption(p.positionals().at(0), true);
    const QString out = p.positionals().at(1);
    const QString formatName = p.value("to", QFileInfo(out).suffix());
    const LogoFormat *format = findLogoFormat(formatName);
    if (!format) {
        usageError(
            QStringLiteral("phone download: unknown logo format \"%1\" (use --to with one of %2)")
                .arg(formatName, logoFormatNames()));
    }
    if (!format->write) {
        notInThisBuild(QStringLiteral("Writing %1 files").arg(format->name));
    }
    VelkorControl &control = session.connected();
    FBLogo &logo = *control.Logo();
    const qint16 location =
        usesLocation(*kind) ? qint16(p.intValue("location", 0, 0, kMaxLocation)) : qint16(-1);
    logo.Download(static_cast<fbLogoType>(logoKindInfo(*kind).fbLogoType), location);
    PhoneSession::check(logo.LastError(), QStringLiteral("download"));
    LogoImage image = logoFromEngine(logo);
    image = image.asKind(*kind);
    format->write(image, out, LogoWriteOptions{});
}

void sendLogo(PhoneSession &session, const ArgParser &p) {
    VelkorControl &control = session.connected();
    FBLogo &logo = *control.Logo();
    const LogoImage image = loadLogo(logo, p);
    if (image.kind == kStartupLogo) {
        usageError(QStringLiteral("phone send-logo: startup logos cannot be sent as messages"));
    }
    logo.SendAsSMS(p.positionals().at(1));
    PhoneSession::check(logo.LastError(), QStringLiteral("sending the logo"));
    session.waitForSend(kSendTimeoutMs);
}

}  // namespace

std::vector<PhoneSubcommand> phoneLogoSubcommands() {
    return {
        {"upload",
         "upload FILE [--location N] [--text T] [--kind KIND] [--netcode CODE]",
         "puts a logo on the phone; caller-group logos and picture messages go to\n"
         "      location N (from 0), a picture message with the text T",
         {{"location", true}, {"text", true}, {"kind", true}, {"netcode", true}},
         1,
         1,
         upload},
        {"download",
         "download KIND OUT [--location N] [--to FORMAT]",
         "reads the phone's logo of KIND (operator, caller, picture, startup) into OUT",
         {{"location", true}, {"to", true}},
         2,
         2,
         download},
        {"send-logo",
         "send-logo FILE NUMBER [--location N] [--text T] [--kind KIND] [--netcode CODE]",
         "sends a logo as a message to NUMBER (a caller-group logo to group N)",
         {{"location", true}, {"text", true}, {"kind", true}, {"netcode", true}},
         2,
         2,
         sendLogo},
    };
}

}  // namespace glyphsmith::cli
