// The flood fill against a slow obvious version, and its properties: it
// never leaves the connected area of the seed's colour, nor its bounds.
#include <gtest/gtest.h>

#include <QImage>
#include <random>

#include "PixelCheck.h"
#include "canvas/FloodFill.h"
#include "document/LogoDocument.h"

using namespace glyphsmith;
using glyphsmith::test::everyPixel;
using glyphsmith::test::forEachPixel;

namespace {

constexpr QRgb kInk = LogoDocument::kSetColor;
constexpr QRgb kPaper = LogoDocument::kClearColor;

QImage noise(std::mt19937 &rng, double density) {
    QImage img(84, 48, QImage::Format_RGB32);
    std::bernoulli_distribution ink(density);
    forEachPixel(img.rect(), [&](int x, int y) { img.setPixel(x, y, ink(rng) ? kInk : kPaper); });
    return img;
}

// Slow version: grow the marked area one neighbour at a time until nothing
// changes.
QImage slowFill(QImage img, QPoint seed, QRgb fill, QRect bounds) {
    bounds = bounds.intersected(img.rect());
    if (!bounds.contains(seed) || img.pixel(seed) == fill) {
        return img;
    }
    const QRgb target = img.pixel(seed);
    std::vector<char> mark(static_cast<size_t>(img.width() * img.height()), 0);
    const auto at = [&](int x, int y) -> char & { return mark[y * img.width() + x]; };
    at(seed.x(), seed.y()) = 1;
    for (bool grew = true; grew;) {
        grew = false;
        for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
            for (int x = bounds.left(); x <= bounds.right(); ++x) {
                if (at(x, y) || img.pixel(x, y) != target) {
                    continue;
                }
                const bool touches =
                    (x > bounds.left() && at(x - 1, y)) || (x < bounds.right() && at(x + 1, y)) ||
                    (y > bounds.top() && at(x, y - 1)) || (y < bounds.bottom() && at(x, y + 1));
                if (touches) {
                    at(x, y) = 1;
                    grew = true;
                }
            }
        }
    }
    forEachPixel(img.rect(), [&](int x, int y) {
        if (at(x, y)) {
            img.setPixel(x, y, fill);
        }
    });
    return img;
}

int differing(const QImage &a, const QImage &b) {
    int n = 0;
    forEachPixel(a.rect(), [&](int x, int y) { n += a.pixel(x, y) != b.pixel(x, y); });
    return n;
}

TEST(FloodFillTest, MatchesTheSlowVersionOnRandomPictures) {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> xs(0, 83), ys(0, 47);
    const QRect bounds[] = {QRect(0, 0, 84, 48), QRect(0, 0, 72, 14), QRect(0, 0, 72, 28),
                            QRect(10, 5, 30, 20)};
    for (int i = 0; i < 300; ++i) {
        const QImage before = noise(rng, 0.25 + 0.1 * (i % 4));
        const QPoint seed(xs(rng), ys(rng));
        const QRect &b = bounds[i % 4];
        const QRgb fill = (i % 3 == 0) ? 0xFF3366AA : (before.pixel(seed) == kInk ? kPaper : kInk);
        QImage fast = before;
        const int painted = floodFill(fast, seed, fill, b);
        const QImage slow = slowFill(before, seed, fill, b);
        ASSERT_EQ(fast, slow) << "picture " << i;
        ASSERT_EQ(painted, differing(before, fast)) << "picture " << i;
        // never beyond the bounds, never a pixel of another colour
        ASSERT_TRUE(everyPixel([&](int x, int y) {
            return fast.pixel(x, y) == before.pixel(x, y) ||
                   (b.contains(x, y) && before.pixel(x, y) == before.pixel(seed));
        })) << "picture "
            << i;
    }
}

TEST(FloodFillTest, ASecondFillPaintsNothingAndOnlyFourNeighboursJoin) {
    std::mt19937 rng(5);
    QImage noisy = noise(rng, 0.3);
    noisy.setPixel(40, 20, kPaper);
    EXPECT_GT(floodFill(noisy, QPoint(40, 20), 0xFF123456, noisy.rect()), 0);
    EXPECT_EQ(floodFill(noisy, QPoint(40, 20), 0xFF123456, noisy.rect()), 0);
    QImage img(5, 5, QImage::Format_RGB32);
    img.fill(kInk);
    // a diagonal of clear pixels: none touches another by an edge
    for (int i = 0; i < 5; ++i) {
        img.setPixel(i, i, kPaper);
    }
    EXPECT_EQ(floodFill(img, QPoint(2, 2), kInk, img.rect()), 1);
}

TEST(FloodFillTest, RefusesSeedsOutsideAndOtherPictureFormats) {
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(kPaper);
    EXPECT_EQ(floodFill(img, QPoint(-1, 0), kInk, img.rect()), 0);
    EXPECT_EQ(floodFill(img, QPoint(10, 0), kInk, img.rect()), 0);
    EXPECT_EQ(floodFill(img, QPoint(8, 8), kInk, QRect(0, 0, 5, 5)), 0);
    QImage mono(10, 10, QImage::Format_Mono);
    EXPECT_EQ(floodFill(mono, QPoint(1, 1), kInk, mono.rect()), 0);
    EXPECT_EQ(floodFill(img, QPoint(1, 1), kInk, QRect(0, 0, 100, 100)), 100);
}

}  // namespace
