#include "files/LogoFileController.h"

#include <QScopeGuard>
#include <exception>

#include "document/LogoDocument.h"
#include "files/GspFile.h"
#include "phone/RunStep.h"
#include "velkor17/FBLogo.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

namespace {

fbLogoType logoTypeOf(LogoKind kind) {
    return static_cast<fbLogoType>(fbLogoTypeForKind(kind));
}

}  // namespace

LogoFileController::Read LogoFileController::read(const QString &path, bool gsp) {
    // whatever was drawn before a failure shows
    const auto shown = qScopeGuard([this] { doc_.notifyChanged(); });
    if (gsp) {
        switch (GspFile::read(path, doc_, doc_.logoWidth(), doc_.logoHeight())) {
            case GspFile::ReadResult::CannotOpen:
                return Read::Failed;
            case GspFile::ReadResult::ShortFile:
                return Read::ShortGsp;
            case GspFile::ReadResult::Complete:
                return Read::Complete;
        }
    }
    try {
        FBLogo *logo = control_.Logo();
        logo->ReadFile(path);
        if (logo->LastError() != 0) {
            return Read::Failed;
        }
        logoToCanvas();
    } catch (const std::exception &) {
        return Read::Failed;
    }
    const LogoKind kind = doc_.kind();
    if (kind == kOperatorLogo || kind == kCallerGroupLogo) {
        const LogoKindInfo &info = logoKindInfo(kind);
        doc_.clearPreviewOutside(info.width, info.height);
    }
    return Read::Complete;
}

bool LogoFileController::write(const QString &path) {
    const LogoKind kind = doc_.kind();
    // the kind is set only now: a reconnect reads the phone's operator logo
    // into the object, and so may a message received while a dialog was open
    if (kind == kPictureMessage) {
        runStep([&] { control_.Logo()->setLogoType(logoTypeOf(kind)); });
        return GspFile::write(path, doc_, doc_.logoWidth(), doc_.logoHeight());
    }
    try {
        FBLogo *logo = control_.Logo();
        logo->setLogoType(logoTypeOf(kind));
        canvasToLogo();
        logo->WriteFile(path);
        return logo->LastError() == 0;
    } catch (const std::exception &) {
        return false;
    }
}

void LogoFileController::logoToCanvas() {
    const auto shown = qScopeGuard([this] { doc_.notifyChanged(); });
    FBLogo *logo = control_.Logo();
    logo->setLogoType(logoTypeOf(doc_.kind()));
    doc_.setLogoWidth(logo->Width());
    doc_.setLogoHeight(logo->Height());
    for (qint16 x = 0; x < doc_.logoWidth(); ++x) {
        for (qint16 y = 0; y < doc_.logoHeight(); ++y) {
            const bool clear = logo->Pixel(x, y) == 1;
            doc_.setPixel(x, y, clear ? LogoDocument::kClearColor : LogoDocument::kSetColor);
        }
    }
}

void LogoFileController::canvasToLogo() {
    FBLogo *logo = control_.Logo();
    for (qint16 x = 0; x < doc_.logoWidth(); ++x) {
        for (qint16 y = 0; y < doc_.logoHeight(); ++y) {
            logo->setPixel(x, y, doc_.isPixelSet(x, y) ? 0 : 1);
        }
    }
}

}  // namespace glyphsmith
