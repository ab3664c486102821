// Whole-picture loops for the editor tests, and one assertion over every
// pixel of an area that names the first pixel that fails.
#pragma once

#include <gtest/gtest.h>

#include <QRect>

namespace glyphsmith::test {

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

// Calls f(x, y) for every pixel of `area`, row by row.
template <class F>
void forEachPixel(const QRect &area, F f) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            f(x, y);
        }
    }
}

// The same over the whole 84 x 48 picture.
template <class F>
::testing::AssertionResult everyPixel(F holds) {
    return everyPixel(QRect(0, 0, 84, 48), holds);
}

}  // namespace glyphsmith::test
