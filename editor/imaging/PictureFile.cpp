#include "imaging/PictureFile.h"

#include <QFile>
#include <QImageReader>

namespace glyphsmith {

namespace {

QImage readWith(QImageReader &reader, QString *error) {
    reader.setAutoTransform(true);
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
