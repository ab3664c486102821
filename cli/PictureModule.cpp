#include "PictureModule.h"

#include "CliModule.h"

namespace glyphsmith::cli {

const PictureFunctions &pictureModule() {
    using Entry = decltype(&glyphsmith_cli_pictures);
    static const PictureFunctions *functions = reinterpret_cast<Entry>(
        cliModuleSymbol("libglyphsmith-cli-pictures.so", "glyphsmith_cli_pictures"))();
    return *functions;
}

}  // namespace glyphsmith::cli
