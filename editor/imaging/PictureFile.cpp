#include "imaging/PictureFile.h"

#include <QFile>
#include <QImageReader>

namespace glyphsmith {

namespace {

// Whether every chunk of a PNG in `device` (a file or buffer, seekable) ends
// inside it. A damaged length would have the PNG reader take memory for a
// chunk of gigabytes before it finds the data missing. Anything that is not
// a PNG passes; the position is left where it was.
bool pngChunksFit(QIODevice *device) {
    static const char kSignature[] = "\x89PNG\r\n\x1a\n";
    if (device->isSequential() || device->peek(8) != QByteArray(kSignature, 8)) {
        return true;
    }
    const qint64 start = device->pos();
    const qint64 end = device->size();
    qint64 at = start + 8;
    bool fits = true;
    while (at < end) {
        if (!device->seek(at)) {
            break;
        }
        const QByteArray header = device->read(8);
        if (header.size() < 8) {
            break;  // a short tail is the reader's to judge
        }
        const quint32 length = (quint32(uchar(header[0])) << 24) |
                               (quint32(uchar(header[1])) << 16) |
                               (quint32(uchar(header[2])) << 8) | quint32(uchar(header[3]));
        at += 8 + qint64(length) + 4;  // header, data, CRC
        if (at > end) {
            fits = false;
            break;
        }
        if (header.mid(4, 4) == "IEND") {
            break;
        }
    }
    device->seek(start);
    return fits;
}

QImage readWith(QImageReader &reader, QString *error) {
    reader.setAutoTransform(true);
    if (reader.device() && !pngChunksFit(reader.device())) {
        if (error) {
            *error = QStringLiteral("The picture file is damaged");
        }
        return {};
    }
    const QSize size = reader.size();  // from the header; invalid when unknown
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPicturePixels) {
        if (error) {
            *error = QStringLiteral("The picture is too large (%1 x %2 pixels)")
                         .arg(size.width())
                         .arg(size.height());
        }
        return {};
    }
    QImage picture = reader.read();
    if (picture.isNull() && error) {
        *error = reader.errorString();
    }
    return picture;
}

}  // namespace

QImage readPicture(QIODevice *device, QString *error) {
    QImageReader reader(device);
    return readWith(reader, error);
}

QImage readPictureFile(const QString &path, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = file.errorString();
        }
        return {};
    }
    QImageReader reader(&file);
    return readWith(reader, error);
}

}  // namespace glyphsmith
