// GSP picture-message text: the lines read stay within the rows and width
// asked for, and the pixels they give, written again, read back the same.
#include <QBuffer>

#include "FuzzCheck.h"
#include "files/GspFormat.h"

using namespace glyphsmith;

namespace {

QList<QByteArray> readLines(const QByteArray &bytes, int rows, int width) {
    QByteArray copy = bytes;
    QBuffer in(&copy);
    FUZZ_CHECK(in.open(QIODevice::ReadOnly));
    return readGspLines(in, rows, width);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2) {
        return 0;
    }
    // The first two bytes choose the logo size the file is read onto.
    const int width = 1 + data[0] % 96;
    const int rows = 1 + data[1] % 64;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    const QList<QByteArray> lines = readLines(bytes, rows, width);
    FUZZ_CHECK(lines.size() <= rows);
    for (const QByteArray &line : lines) {
        FUZZ_CHECK(line.size() <= width);
    }
    if (lines.isEmpty()) {
        return 0;
    }
    const int height = int(lines.size());
    const auto isSet = [&](int x, int y) { return gspPixelSet(lines[y], x); };
    const QByteArray written = encodeGsp(width, height, isSet);
    const QList<QByteArray> again = readLines(written, height, width);
    FUZZ_CHECK(again.size() == height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            FUZZ_CHECK(gspPixelSet(again[y], x) == isSet(x, y));
        }
    }
    return 0;
}
