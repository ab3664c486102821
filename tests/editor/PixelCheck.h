// Whole-picture loops for the editor tests, one assertion over every pixel
// of an area that names the first pixel that fails, and counts over a
// document's picture (logo pixels).
#pragma once

#include <gtest/gtest.h>

#include <QRect>

#include "document/LogoDocument.h"

namespace glyphsmith::test {

// Calls f(x, y) for every pixel of `area`, row by row.
template <class F>
void forEachPixel(const QRect &area, F f) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            f(x, y);
        }
    }
}

// Whether holds(x, y) is true for every pixel of `area`.
template <class F>
::testing::AssertionResult everyPixel(const QRect &area, F holds) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!holds(x, y)) {
                return ::testing::AssertionFailure() << "at pixel " << x << "," << y;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// The same over the whole 84 x 48 picture.
template <class F>
::testing::AssertionResult everyPixel(F holds) {
    return everyPixel(QRect(0, 0, 84, 48), holds);
}

inline bool previewSet(const LogoDocument &doc, int x, int y) {
    return doc.preview().pixel(x, y) == LogoDocument::kSetColor;
}

// Set pixels of the picture inside `area`.
inline int countSet(const LogoDocument &doc, const QRect &area = QRect(0, 0, 84, 48)) {
    int n = 0;
    forEachPixel(area, [&](int x, int y) { n += previewSet(doc, x, y); });
    return n;
}

// The smallest rectangle holding every set pixel of the picture.
inline QRect setBounds(const LogoDocument &doc) {
    QRect r;
    forEachPixel(QRect(0, 0, 84, 48),
                 [&](int x, int y) { r |= previewSet(doc, x, y) ? QRect(x, y, 1, 1) : QRect(); });
    return r;
}

inline void setPixels(LogoDocument &doc, const QRect &area) {
    forEachPixel(area, [&](int x, int y) { doc.setPixel(x, y, LogoDocument::kSetColor); });
}

// Whether the picture and the view agree on every pixel of the logo
// (outside it the view is not rebuilt by a release's clean-up).
inline ::testing::AssertionResult viewMatchesPicture(const LogoDocument &doc) {
    return everyPixel(QRect(0, 0, doc.logoWidth(), doc.logoHeight()),
                      [&](int x, int y) { return previewSet(doc, x, y) == doc.isPixelSet(x, y); });
}

}  // namespace glyphsmith::test
