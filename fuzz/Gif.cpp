// Animation files as the control loads them: any bytes give no frames or a
// bounded list of real frames.
#include <QGuiApplication>

#include "FuzzCheck.h"
#include "PictureFrames.h"

using velkor17::PictureFrames;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    // The image format plugins are found through the application object.
    static int qtArgc = 1;
    static char name[] = "fuzz_Gif";
    static char *qtArgv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(qtArgc, qtArgv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString file = QString::fromStdString(fuzz::scratchFile(data, size, ".gif"));
    const auto frames = PictureFrames::read(file);
    if (!frames) {
        return 0;
    }
    FUZZ_CHECK(!frames->isEmpty() && frames->size() <= PictureFrames::kMaxFrames);
    qint64 bytes = 0;
    for (const QImage &frame : *frames) {
        FUZZ_CHECK(!frame.isNull());
        bytes += frame.sizeInBytes();
    }
    FUZZ_CHECK(bytes <= PictureFrames::kMaxBytes);
    return 0;
}
