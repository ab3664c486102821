#include "files/GspFormat.h"

#include <QIODevice>

namespace glyphsmith {

QByteArray encodeGsp(int width, int height, const std::function<bool(int x, int y)> &isSet) {
    QByteArray out;
    out.reserve(height * (width + 2));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            out.append(isSet(x, y) ? '0' : '1');
        }
        out.append("\r\n", 2);
    }
    return out;
}

QList<QByteArray> readGspLines(QIODevice &in, int maxLines, int width) {
    QList<QByteArray> lines;
    if (maxLines <= 0) {
        return lines;
    }
    QByteArray current;
    bool inLine = false;   // characters of an unfinished line were seen
    bool afterCr = false;  // the last end was a CR (an LF right after it belongs to it)
    qint64 scanned = 0;
    char chunk[4096];
    while (lines.size() < maxLines && scanned < kGspScanLimit) {
        const qint64 n = in.read(chunk, std::min<qint64>(sizeof chunk, kGspScanLimit - scanned));
        if (n <= 0) {
            break;
        }
        scanned += n;
        for (qint64 i = 0; i < n && lines.size() < maxLines; ++i) {
            const char c = chunk[i];
            if (c == '\n' && afterCr) {
                afterCr = false;
                continue;
            }
            afterCr = false;
            if (c == '\r' || c == '\n') {
                lines.append(current);
                current.clear();
                inLine = false;
                afterCr = c == '\r';
                continue;
            }
            inLine = true;
            if (current.size() < width) {
                current.append(c);
            }
        }
    }
    if (inLine && lines.size() < maxLines) {
        lines.append(current);
    }
    return lines;
}

bool gspPixelSet(const QByteArray &line, int x) {
    return x < 0 || x >= line.size() || line.at(x) != '1';
}

}  // namespace glyphsmith
