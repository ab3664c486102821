#include "imaging/LogoExport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <algorithm>

namespace glyphsmith {

namespace {

const QString kEmpty = QStringLiteral("The logo is empty.");

QString saveBytes(const QByteArray &bytes, const QString &path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    }
    file.write(bytes);
    if (!file.commit()) {
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    }
    return {};
}

// The picture encoded by Qt's writer for `format` into memory.
QString encode(const QImage &image, const char *format, QByteArray &bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) {
        return QStringLiteral("Cannot encode the logo as %1: %2")
            .arg(QString::fromLatin1(format), writer.errorString());
    }
    return {};
}

}  // namespace

QImage exportImage(const LogoBitmap &logo, int scale) {
    if (logo.isEmpty()) {
        return {};
    }
    scale = std::clamp(scale, 1, kMaxExportScale);
    QImage image(logo.width() * scale, logo.height() * scale, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, logo.isSet(x / scale, y / scale) ? 1 : 0);
        }
    }
    return image;
}

QByteArray packBits(const LogoBitmap &logo, CHeaderLayout layout) {
    QByteArray out;
    if (layout == CHeaderLayout::Rows) {
        const int perRow = (logo.width() + 7) / 8;
        out.fill('\0', perRow * logo.height());
        for (int y = 0; y < logo.height(); ++y) {
            for (int x = 0; x < logo.width(); ++x) {
                if (logo.isSet(x, y)) {
                    out[y * perRow + x / 8] = char(out[y * perRow + x / 8] | (0x80 >> (x % 8)));
                }
            }
        }
        return out;
    }
    const int pages = (logo.height() + 7) / 8;
    out.fill('\0', pages * logo.width());
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            if (logo.isSet(x, y)) {
                const int i = (y / 8) * logo.width() + x;
                out[i] = char(out[i] | (1 << (y % 8)));
            }
        }
    }
    return out;
}

QString cIdentifier(const QString &name) {
    QString id;
    for (const QChar c : name) {
        const bool ok = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') ||
                        (c >= u'0' && c <= u'9') || c == u'_';
        id += ok ? c : QChar(u'_');
    }
    if (id.isEmpty()) {
        return QStringLiteral("logo");
    }
    if (id.front().isDigit()) {
        id.prepend(QStringLiteral("logo_"));
    }
    return id;
}

QByteArray cHeaderText(const LogoBitmap &logo, const QString &name, CHeaderLayout layout) {
    const QByteArray id = cIdentifier(name).toLatin1();
    const QByteArray upper = id.toUpper();
    const QByteArray w = QByteArray::number(logo.width());
    const QByteArray h = QByteArray::number(logo.height());
    QByteArray text =
        "/* " + id + ": a " + w + " x " + h + " logo, a 1 bit is a set (dark) pixel.\n";
    if (layout == CHeaderLayout::Rows) {
        text += " * Rows top to bottom, (" + upper +
                "_WIDTH + 7) / 8 bytes each;\n"
                " * the leftmost pixel of a byte is its most significant bit. */\n";
    } else {
        text +=
            " * Pages of 8 rows top to bottom, one byte per column left to right;\n"
            " * the page's top pixel is the least significant bit. */\n";
    }
    text += "#ifndef " + upper + "_H\n#define " + upper + "_H\n\n";
    text += "#define " + upper + "_WIDTH " + w + "\n";
    text += "#define " + upper + "_HEIGHT " + h + "\n\n";
    const QByteArray bits = packBits(logo, layout);
    text += "static const unsigned char " + id + "[" + QByteArray::number(bits.size()) + "] = {";
    for (int i = 0; i < bits.size(); ++i) {
        text += (i % 12 == 0) ? "\n    " : " ";
        text += "0x" + QByteArray::number(uchar(bits[i]), 16).rightJustified(2, '0') + ",";
    }
    text += "\n};\n\n#endif\n";
    return text;
}

QString exportLogo(const LogoBitmap &logo, const ExportRequest &request) {
    switch (request.format) {
        case ExportFormat::Png:
            return writePng(logo, request.scale, request.path);
        case ExportFormat::Xbm:
            return writeXbm(logo, request.path);
        case ExportFormat::CHeaderRows:
            return writeCHeader(logo, request.name, CHeaderLayout::Rows, request.path);
        case ExportFormat::CHeaderPages:
            return writeCHeader(logo, request.name, CHeaderLayout::Pages, request.path);
    }
    return QStringLiteral("Unknown export format.");
}

QString writePng(const LogoBitmap &logo, int scale, const QString &path) {
    if (logo.isEmpty()) {
        return kEmpty;
    }
    QByteArray bytes;
    const QString error = encode(exportImage(logo, scale), "png", bytes);
    return error.isEmpty() ? saveBytes(bytes, path) : error;
}

QString writeXbm(const LogoBitmap &logo, const QString &path) {
    if (logo.isEmpty()) {
        return kEmpty;
    }
    QByteArray bytes;
    const QString error = encode(exportImage(logo, 1), "xbm", bytes);
    if (!error.isEmpty()) {
        return error;
    }
    // Qt's writer names the bitmap after the file only when it writes the
    // file itself; the names before the bits are set from the file name here
    const int bitsAt = bytes.indexOf('{');
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("#define (\\w*)_width"))
                                          .match(QString::fromLatin1(bytes.left(bitsAt)));
    if (bitsAt > 0 && m.hasMatch()) {
        const QByteArray id = cIdentifier(QFileInfo(path).completeBaseName()).toLatin1();
        QByteArray head = bytes.left(bitsAt);
        for (const char *suffix : {"_width", "_height", "_bits"}) {
            head.replace(" " + m.captured(1).toLatin1() + suffix, " " + id + suffix);
        }
        bytes = head + bytes.mid(bitsAt);
    }
    return saveBytes(bytes, path);
}

QString writeCHeader(const LogoBitmap &logo, const QString &name, CHeaderLayout layout,
                     const QString &path) {
    if (logo.isEmpty()) {
        return kEmpty;
    }
    return saveBytes(cHeaderText(logo, name, layout), path);
}

}  // namespace glyphsmith
