// The picture formats (PictureFiles.h) as the program reaches them: through
// the pictures module, loaded on the first call (see CliModule.h). Each
// function behaves as its namesake in PictureFiles.h.
#pragma once

#include <QString>

#include "FormatTable.h"
#include "LogoImage.h"

namespace glyphsmith::cli {

// What the module hands out.
struct PictureFunctions {
    LogoImage (*readPictureLogo)(const QString &path, const LogoReadOptions &options);
    void (*writePngLogo)(const LogoImage &image, const QString &path,
                         const LogoWriteOptions &options);
    void (*writeXbmLogo)(const LogoImage &image, const QString &path,
                         const LogoWriteOptions &options);
    void (*writeHeaderLogo)(const LogoImage &image, const QString &path,
                            const LogoWriteOptions &options);
};

// The loaded module's functions; a usage error when it cannot be loaded.
const PictureFunctions &pictureModule();

}  // namespace glyphsmith::cli

// The pictures module's entry.
extern "C" const glyphsmith::cli::PictureFunctions *glyphsmith_cli_pictures();
