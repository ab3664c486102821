// The shape rasterisers, the flood fill, the view-coordinate roundings and
// the whole-logo flips and inverse, checked against slow obvious versions
// and by their properties.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <set>
#include <tuple>
#include <utility>

#include "PixelCheck.h"
#include "canvas/FloodFill.h"
#include "canvas/LogoTransforms.h"
#include "canvas/ShapeRaster.h"
#include "canvas/ViewRounding.h"
#include "document/LogoDocument.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

constexpr QRgb kInk = 0xFF000000;
constexpr QRgb kPaper = LogoDocument::kClearColor;

QImage blank(int w = 84, int h = 48) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(kPaper);
    return img;
}

std::set<std::pair<int, int>> inked(const QImage &img) {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            EXPECT_TRUE(p == kInk || p == kPaper) << "stray colour at " << x << "," << y;
            if (p == kInk) {
                out.insert({x, y});
            }
        }
    }
    return out;
}

TEST(ViewRoundingTest, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {{2.5, 2},  {3.5, 4},  {-2.5, -2}, {-3.5, -4},
                                            {-0.5, 0}, {0.49, 0}, {0.51, 1},  {1e300, 1000000}};
    for (const auto &[v, rounded] : cases) {
        EXPECT_EQ(roundHalfEven(v), rounded) << v;
    }
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(ViewRoundingTest, TheTwoRoundingsAgreeInsideTheViewAndDifferLeftOfIt) {
    for (int v = 0; v <= 504; ++v) {
        ASSERT_EQ(viewToLogoFloor(v), viewToLogoRounded(v)) << v;
        ASSERT_EQ(viewToLogoFloor(v), v / 6) << v;
    }
    // left of the view: the floor goes to -1, the rounding truncates to 0
    for (const auto &[v, floor, rounded] : {std::tuple{-3.0, -1, 0},
                                            {-5.0, -1, 0},
                                            {-6.0, -1, -1},
                                            {-7.0, -2, -1},
                                            {5.5, 0, 1},
                                            {4.5, 0, 0},
                                            {11.5, 1, 2}}) {
        EXPECT_EQ(viewToLogoFloor(v), floor) << v;
        EXPECT_EQ(viewToLogoRounded(v), rounded) << v;
    }
}

TEST(LineRasterTest, EveryLineIsOnePixelPerStepWithBothEnds) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> xs(0, 83), ys(0, 47);
    for (int i = 0; i < 400; ++i) {
        const QPoint a(xs(rng), ys(rng));
        const QPoint b(xs(rng), ys(rng));
        QImage img = blank();
        drawLine(img, a, b, kInk);
        const auto pixels = inked(img);
        QImage back = blank();
        drawLine(back, b, a, kInk);
        ASSERT_EQ(back, img) << "the same both ways, " << i;
        ASSERT_TRUE(pixels.count({a.x(), a.y()})) << i;
        ASSERT_TRUE(pixels.count({b.x(), b.y()})) << i;
        const int dx = b.x() - a.x();
        const int dy = b.y() - a.y();
        const bool alongX = std::abs(dx) >= std::abs(dy);
        const int steps = std::max(std::abs(dx), std::abs(dy));
        ASSERT_EQ(static_cast<int>(pixels.size()), steps + 1) << i;
        // slow version: on each step of the long axis, one pixel within half
        // a pixel of the ideal line
        for (const auto &[x, y] : pixels) {
            const int t = alongX ? x - a.x() : y - a.y();
            const double along = steps == 0 ? 0.0 : static_cast<double>(t) / (alongX ? dx : dy);
            ASSERT_GE(along, -1e-9) << i;
            ASSERT_LE(along, 1 + 1e-9) << i;
            const double ideal = alongX ? a.y() + along * dy : a.x() + along * dx;
            ASSERT_LE(std::abs((alongX ? y : x) - ideal), 0.5 + 1e-9)
                << i << " at " << x << "," << y;
        }
    }
}

TEST(LineRasterTest, PartsOutsideThePictureAreCutOff) {
    QImage img = blank();
    drawLine(img, QPoint(-10, 3), QPoint(100, 3), kInk);
    EXPECT_EQ(inked(img).size(), 84u);
    QImage far = blank();
    drawLine(far, QPoint(0, 0), QPoint(1 << 30, 5), kInk);
    EXPECT_TRUE(inked(far).empty());
}

TEST(BoxRasterTest, OutlineAndFillMatchTheSlowVersion) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> xs(-3, 86), ys(-3, 50);
    for (int i = 0; i < 200; ++i) {
        const QPoint a(xs(rng), ys(rng));
        const QPoint b(xs(rng), ys(rng));
        QImage outline = blank();
        QImage full = blank();
        drawBoxOutline(outline, a, b, kInk);
        fillBox(full, a, b, kInk);
        const QRect r(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                      QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
        ASSERT_TRUE(everyPixel([&](int x, int y) {
            const bool edge = x == r.left() || x == r.right() || y == r.top() || y == r.bottom();
            return (outline.pixel(x, y) == kInk) == (r.contains(x, y) && edge) &&
                   (full.pixel(x, y) == kInk) == r.contains(x, y);
        })) << i;
    }
}

TEST(EllipseRasterTest, TheCircleRuleGivesTheRadii) {
    const double cases[][4] = {{3, 0.5, 3, 1.5}, {3, 2, 1.5, 3}, {2.5, 1, 2.5, 2.5}, {4, 0, 4, 0}};
    for (const auto &[radius, aspect, horizontal, vertical] : cases) {
        const auto r = circleRuleRadii(radius, aspect);
        ASSERT_TRUE(r) << radius << " " << aspect;
        EXPECT_DOUBLE_EQ(r->horizontal, horizontal);
        EXPECT_DOUBLE_EQ(r->vertical, vertical);
    }
    EXPECT_FALSE(circleRuleRadii(3, std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(circleRuleRadii(3, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(circleRuleRadii(-1, 1));
}

// The nearest whole number of v >= 0, halves toward zero.
int nearestTowardZero(double v) {
    const int n = static_cast<int>(std::floor(v + 1e-9));
    return v - n > 0.5 + 1e-9 ? n + 1 : n;
}

// Slow version: a pixel belongs to the ellipse when its row's crossing of the
// curve, rounded, reaches it, or its column's crossing does.
bool slowContains(QPoint c, EllipseRadii r, int x, int y) {
    const double dx = std::abs(x - c.x());
    const double dy = std::abs(y - c.y());
    const auto crossing = [](double along, double radius, double across) {
        if (radius == 0) {
            return across;
        }
        const double t = along / radius;
        return across * std::sqrt(std::max(0.0, 1 - t * t));
    };
    const bool row =
        dy <= r.vertical + 1e-9 && dx <= nearestTowardZero(crossing(dy, r.vertical, r.horizontal));
    const bool column = dx <= r.horizontal + 1e-9 &&
                        dy <= nearestTowardZero(crossing(dx, r.horizontal, r.vertical));
    return row || column;
}

TEST(EllipseRasterTest, ACircleComesOutAsTheMidpointRuleDrawsIt) {
    // the eighth of a circle of radius 5 the midpoint rule draws
    const std::set<std::pair<int, int>> octant = {{0, 5}, {1, 5}, {2, 5}, {3, 4}};
    QImage img = blank();
    const QPoint c(40, 24);
    drawEllipse(img, c, EllipseRadii{5, 5}, kInk);
    for (int dx = 0; dx <= 5; ++dx) {
        for (int dy = dx; dy <= 6; ++dy) {
            EXPECT_EQ(img.pixel(c.x() + dx, c.y() - dy) == kInk, octant.count({dx, dy}) == 1)
                << dx << "," << dy;
        }
    }
}

TEST(EllipseRasterTest, SmallEllipsesHaveNoLoneTipPixels) {
    // radii 3 and 1.5: rows of 5, 7 and 5 pixels
    QImage img = blank();
    drawEllipse(img, QPoint(20, 7), EllipseRadii{3, 1.5}, kInk, kInk);
    EXPECT_EQ(inked(img).size(), 17u);
    // radii 5 and 3: the top and bottom rows are five wide, not one
    QImage flat = blank();
    drawEllipse(flat, QPoint(20, 10), EllipseRadii{5, 3}, kInk);
    EXPECT_EQ(inked(flat.copy(0, 7, 84, 1)).size(), 5u);
    EXPECT_EQ(flat.pixel(20, 6), kPaper);
}

TEST(EllipseRasterTest, FillAndOutlineMatchTheSlowVersion) {
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> halves(0, 50), cx(-5, 88), cy(-5, 52);
    for (int i = 0; i < 300; ++i) {
        const EllipseRadii r{halves(rng) / 2.0, halves(rng) / 2.0};
        const QPoint c(cx(rng), cy(rng));
        QImage full = blank();
        QImage empty = blank();
        drawEllipse(full, c, r, kInk, kInk);
        drawEllipse(empty, c, r, kInk);
        ASSERT_TRUE(everyPixel([&](int x, int y) {
            const bool in = slowContains(c, r, x, y);
            const bool edge =
                in && (!slowContains(c, r, x - 1, y) || !slowContains(c, r, x + 1, y) ||
                       !slowContains(c, r, x, y - 1) || !slowContains(c, r, x, y + 1));
            return ellipseContains(c, r, x, y) == in && (full.pixel(x, y) == kInk) == in &&
                   (empty.pixel(x, y) == kInk) == edge;
        })) << i;
    }
}

TEST(EllipseRasterTest, TheFillColourFillsAndTheOutlineColourEdges) {
    QImage img = blank();
    const QRgb fill = 0xFF808080;
    drawEllipse(img, QPoint(20, 20), EllipseRadii{6, 4}, kInk, fill);
    EXPECT_EQ(img.pixel(20, 20), fill);
    EXPECT_EQ(img.pixel(14, 20), kInk);
    EXPECT_EQ(img.pixel(26, 20), kInk);
    EXPECT_EQ(img.pixel(20, 16), kInk);
    EXPECT_EQ(img.pixel(13, 20), kPaper);
}

TEST(EllipseRasterTest, HugeRadiiStayQuick) {
    QImage img = blank();
    drawEllipse(img, QPoint(40, 24), EllipseRadii{1e12, 1e12}, kInk, kInk);
    EXPECT_EQ(inked(img).size(), 84u * 48u);
}

// Each transform against its definition over several logo sizes, the part
// of the picture outside the logo left alone; done twice, the original.
TEST(LogoTransformTest, FlipsMirrorAndInverseTurnsTheLogoAndTwiceGiveTheOriginal) {
    using Transform = void (*)(LogoDocument &, int, int);
    std::mt19937 rng(1);
    std::bernoulli_distribution ink(0.4);
    for (const QSize s : {QSize(72, 14), QSize(72, 28), QSize(84, 48), QSize(5, 3), QSize(1, 1)}) {
        const auto inLogo = [&](int x, int y) { return x < s.width() && y < s.height(); };
        const std::pair<Transform, std::function<bool(const LogoDocument &, int, int)>> ops[] = {
            {&flipLogoHorizontal,
             [&](const LogoDocument &d, int x, int y) {
                 return d.isPixelSet(inLogo(x, y) ? s.width() - 1 - x : x, y);
             }},
            {&flipLogoVertical,
             [&](const LogoDocument &d, int x, int y) {
                 return d.isPixelSet(x, inLogo(x, y) ? s.height() - 1 - y : y);
             }},
            {&invertLogo, [&](const LogoDocument &d, int x,
                              int y) { return d.isPixelSet(x, y) != inLogo(x, y); }},
        };
        for (const auto &[op, expected] : ops) {
            LogoDocument doc;
            forEachPixel(QRect(0, 0, 84, 48),
                         [&](int x, int y) { doc.setPixel(x, y, ink(rng) ? kInk : kPaper); });
            const LogoDocument before = doc;
            op(doc, s.width(), s.height());
            ASSERT_TRUE(everyPixel([&](int x, int y) {
                return doc.isPixelSet(x, y) == expected(before, x, y) &&
                       (doc.preview().pixel(x, y) == kInk) == expected(before, x, y);
            })) << s.width()
                << "x" << s.height();
            op(doc, s.width(), s.height());
            ASSERT_TRUE(everyPixel([&](int x, int y) {
                return doc.preview().pixel(x, y) == before.preview().pixel(x, y) &&
                       doc.isPixelSet(x, y) == before.isPixelSet(x, y);
            })) << s.width()
                << "x" << s.height() << " twice";
        }
    }
}

TEST(LogoTransformTest, OnlyExactBlackCountsAsSet) {
    LogoDocument doc;
    doc.setPixel(0, 0, 0xFF010101);  // very dark grey
    doc.setPixel(1, 0, kInk);
    flipLogoHorizontal(doc, 72, 14);
    EXPECT_EQ(doc.preview().pixel(71, 0), kPaper);
    EXPECT_EQ(doc.preview().pixel(70, 0), kInk);
    LogoDocument inverse;
    inverse.setPixel(3, 3, 0xFF010101);
    invertLogo(inverse, 72, 14);
    EXPECT_EQ(inverse.preview().pixel(3, 3), kInk);
}

TEST(LogoTransformTest, TheLibrarysSizeIsUsedOnlyWhenItAnsweredSensibly) {
    const QSize kind(72, 14);
    EXPECT_EQ(usableLogoSize(QSize(72, 28), 0, kind), QSize(72, 28));
    EXPECT_EQ(usableLogoSize(QSize(84, 48), 0, kind), QSize(84, 48));
    EXPECT_EQ(usableLogoSize(QSize(72, 28), 3, kind), kind);
    EXPECT_EQ(usableLogoSize(QSize(0, 0), 0, kind), kind);
    EXPECT_EQ(usableLogoSize(QSize(85, 14), 0, kind), kind);
    EXPECT_EQ(usableLogoSize(QSize(72, -1), 0, kind), kind);
}

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
