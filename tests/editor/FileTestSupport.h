// Helpers of the logo file and transfer tests: patterns drawn on the canvas,
// the canvas read back, files written through the engine's own codecs.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <vector>

#include "PixelCheck.h"
#include "document/LogoDocument.h"
#include "document/LogoKind.h"
#include "velkor17/FBLogo.h"

namespace glyphsmith::test {

// Row-major set flags of a width x height logo.
struct Pattern {
    int width = 0;
    int height = 0;
    std::vector<bool> set;
    bool at(int x, int y) const { return set[std::size_t(y * width + x)]; }
    QRect area() const { return QRect(0, 0, width, height); }
};

inline Pattern randomPattern(int width, int height, quint32 seed) {
    QRandomGenerator random(seed);
    Pattern p{width, height, std::vector<bool>(std::size_t(width * height))};
    for (std::size_t i = 0; i < p.set.size(); ++i) {
        p.set[i] = random.bounded(3) == 0;
    }
    return p;
}

inline Pattern patternForKind(int kind, quint32 seed) {
    const LogoKindInfo &info = logoKindInfo(LogoKind(kind));
    return randomPattern(info.width, info.height, seed);
}

inline void drawPattern(LogoDocument &doc, const Pattern &p) {
    forEachPixel(p.area(), [&](int x, int y) {
        doc.setPixel(x, y, p.at(x, y) ? LogoDocument::kSetColor : LogoDocument::kClearColor);
    });
}

// Compares the canvas (view cells and picture) with the pattern.
inline ::testing::AssertionResult canvasShows(const LogoDocument &doc, const Pattern &p) {
    return everyPixel(p.area(), [&](int x, int y) {
        return doc.isPixelSet(x, y) == p.at(x, y) && previewSet(doc, x, y) == p.at(x, y);
    });
}

// Writes `p` as a logo of `type` through the engine's codecs (the format
// follows the path's extension).
inline void writeLogoFile(const QString &path, fbLogoType type, const Pattern &p,
                          const QString &netCode = QString()) {
    FBLogo logo;
    logo.setLogoType(type);
    ASSERT_EQ(QSize(logo.Width(), logo.Height()), QSize(p.width, p.height));
    forEachPixel(p.area(),
                 [&](int x, int y) { logo.setPixel(qint16(x), qint16(y), p.at(x, y) ? 0 : 1); });
    if (!netCode.isEmpty()) {
        logo.setNetCode(netCode);
    }
    logo.WriteFile(path);
    ASSERT_EQ(logo.LastError(), 0) << path.toStdString();
    // the engine's logo no longer holds the pattern: a later read must come
    // from the file
    forEachPixel(p.area(), [&](int x, int y) { logo.setPixel(qint16(x), qint16(y), 1); });
}

inline QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace glyphsmith::test
