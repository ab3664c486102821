// Pictures imported as logos: any bytes either are refused or give a picture
// that turns into a bitmap of exactly the logo's size, whatever the fit,
// dither and threshold; inverting swaps every pixel of that bitmap.
#include <QBuffer>
#include <QGuiApplication>

#include "FuzzCheck.h"
#include "imaging/PictureFile.h"
#include "imaging/PictureImport.h"

using namespace glyphsmith;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    // The image format plugins are found through the application object.
    static int qtArgc = 1;
    static char name[] = "fuzz_PictureImport";
    static char *qtArgv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(qtArgc, qtArgv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 1) {
        return 0;
    }
    // The first byte chooses the options, the rest is the picture.
    const uint8_t choice = data[0];
    QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QString error;
    const QImage picture = readPicture(&buffer, &error);
    if (picture.isNull()) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(qint64(picture.width()) * picture.height() <= kMaxPicturePixels);
    // Pictures of many megapixels are slow to scale, not wrong: the run's
    // time goes to the small ones.
    if (qint64(picture.width()) * picture.height() > (1 << 22)) {
        return 0;
    }

    static const QSize logoSizes[] = {{72, 14}, {72, 28}, {84, 48}, {1, 1}};
    ImportOptions options;
    options.fit = static_cast<FitMode>(choice % 3);
    options.dither = static_cast<DitherMode>((choice / 3) % 4);
    options.threshold = (choice * 37) % 257;
    const QSize logoSize = logoSizes[(choice / 12) % 4];
    const LogoBitmap logo = importPicture(picture, logoSize, options);
    FUZZ_CHECK(logo.size() == logoSize);

    options.invert = true;
    LogoBitmap inverted = importPicture(picture, logoSize, options);
    inverted.invert();
    FUZZ_CHECK(inverted == logo);
    return 0;
}
