// Pictures into logo pixels: placement by fit, fill and stretch, the share of
// set pixels each dither gives, and Atkinson's dither against a slow version;
// logos out: PNG and XBM read back by Qt, and the C header compiled into a
// small program that prints the pixels back in both layouts.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <vector>

#include "imaging/Dithering.h"
#include "imaging/LogoExport.h"
#include "imaging/PictureImport.h"

using namespace glyphsmith;

namespace {

// Atkinson's dither over whole-picture arrays, the obvious way.
LogoBitmap slowAtkinson(const QImage &grey) {
    const int w = grey.width(), h = grey.height();
    std::vector<std::vector<int>> level(h + 2, std::vector<int>(w + 2, 0));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            level[y][x] = grey.pixelColor(x, y).red();
        }
    }
    LogoBitmap out(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool dark = level[y][x] < 128;
            out.set(x, y, dark);
            const int e = (level[y][x] - (dark ? 0 : 255)) / 8;
            const std::pair<int, int> to[] = {{1, 0}, {2, 0}, {-1, 1}, {0, 1}, {1, 1}, {0, 2}};
            for (auto [dx, dy] : to) {
                if (x + dx >= 0 && x + dx < w) {
                    level[y + dy][x + dx] += e;
                }
            }
        }
    }
    return out;
}

TEST(PictureImportTest, FitFillAndStretchPlaceThePicture) {
    struct Case {
        QSize picture, box;
        FitMode mode;
        QRect placed;
    } cases[] = {
        {{200, 100}, {84, 48}, FitMode::Fit, {0, 3, 84, 42}},
        {{200, 100}, {84, 48}, FitMode::Fill, {-6, 0, 96, 48}},
        {{200, 100}, {84, 48}, FitMode::Stretch, {0, 0, 84, 48}},
        {{50, 100}, {72, 14}, FitMode::Fit, {32, 0, 7, 14}},
        {{50, 100}, {72, 14}, FitMode::Fill, {0, -65, 72, 144}},
        {{1000, 1}, {72, 28}, FitMode::Fit, {0, 13, 72, 1}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(fittedRect(c.picture, c.box, c.mode), c.placed) << c.picture.width();
    }
    EXPECT_TRUE(fittedRect({0, 10}, {84, 48}, FitMode::Fit).isEmpty());

    // a black picture fitted leaves white (clear) bands above and below;
    // inverted, only the bands are set
    ImportOptions o{FitMode::Fit, 128, DitherMode::None, false};
    QImage black(200, 100, QImage::Format_RGB32);
    black.fill(Qt::black);
    LogoBitmap logo = importPicture(black, {84, 48}, o);
    ASSERT_EQ(logo.size(), QSize(84, 48));
    EXPECT_EQ(logo.countSet(), 84 * 42);
    EXPECT_FALSE(logo.isSet(0, 2));
    EXPECT_TRUE(logo.isSet(0, 3));
    for (FitMode mode : {FitMode::Fill, FitMode::Stretch}) {
        o.fit = mode;
        EXPECT_EQ(importPicture(black, {84, 48}, o).countSet(), 84 * 48);
    }
    o.fit = FitMode::Fit;
    o.invert = true;
    EXPECT_EQ(importPicture(black, {84, 48}, o).countSet(), 84 * 6);
    EXPECT_TRUE(importPicture(QImage(), {84, 48}, o).isEmpty());
}

TEST(PictureImportTest, EachDitherFollowsTheGreyLevelOfAGradient) {
    // a left-to-right gradient from black to white, judged in bands of 32
    // columns whose set share should be 1 - mean grey / 255
    QImage gradient(256, 64, QImage::Format_Grayscale8);
    for (int y = 0; y < gradient.height(); ++y) {
        for (int x = 0; x < gradient.width(); ++x) {
            gradient.scanLine(y)[x] = uchar(x);
        }
    }
    for (DitherMode mode :
         {DitherMode::FloydSteinberg, DitherMode::Ordered, DitherMode::Atkinson}) {
        const LogoBitmap logo = ditherGrey(gradient, mode, 128);
        double before = 1.0;
        for (int band = 0; band < 8; ++band) {
            int set = 0;
            for (int y = 0; y < 64; ++y) {
                for (int x = band * 32; x < band * 32 + 32; ++x) {
                    set += logo.isSet(x, y);
                }
            }
            const double share = set / (32.0 * 64.0);
            const double expected = 1.0 - (band * 32 + 15.5) / 255.0;
            // Atkinson passes on only 3/4 of the error, so by design it
            // pushes the darkest and lightest quarters to black and white
            const bool judged = mode != DitherMode::Atkinson || (band >= 2 && band <= 5);
            if (judged) {
                EXPECT_NEAR(share, expected, band == 2 || band == 5 ? 0.06 : 0.03)
                    << "mode " << int(mode) << " band " << band;
            }
            EXPECT_LE(share, before) << "mode " << int(mode) << " band " << band;
            before = share;
        }
    }
    // a higher threshold darkens every dither
    QImage grey(64, 64, QImage::Format_Grayscale8);
    grey.fill(128);
    for (DitherMode mode : {DitherMode::None, DitherMode::FloydSteinberg, DitherMode::Ordered,
                            DitherMode::Atkinson}) {
        EXPECT_LT(ditherGrey(grey, mode, 96).countSet(), ditherGrey(grey, mode, 160).countSet())
            << "mode " << int(mode);
    }
    // the plain threshold: set below it, clear from it on
    const LogoBitmap plain = ditherGrey(gradient, DitherMode::None, 100);
    EXPECT_TRUE(plain.isSet(99, 0));
    EXPECT_FALSE(plain.isSet(100, 0));
    EXPECT_EQ(plain.countSet(), 100 * 64);
}

TEST(PictureImportTest, AtkinsonMatchesTheSlowVersion) {
    QImage noise(37, 23, QImage::Format_Grayscale8);
    QRandomGenerator random(15);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x) {
            noise.scanLine(y)[x] = uchar(random.bounded(256));
        }
    }
    EXPECT_EQ(atkinsonDither(noise), slowAtkinson(noise));
    EXPECT_EQ(ditherGrey(noise, DitherMode::Atkinson, 90),
              slowAtkinson(shiftedForThreshold(noise, 90)));
}

LogoBitmap randomLogo(int w, int h) {
    LogoBitmap logo(w, h);
    QRandomGenerator random(uint(w * h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            logo.set(x, y, random.bounded(2) == 1);
        }
    }
    return logo;
}

// The picture's pixels at (x * scale, y * scale): dark ones set.
LogoBitmap readBack(const QString &path, QSize size, int scale) {
    const QImage image(path);
    EXPECT_EQ(image.size(), size * scale) << path.toStdString();
    LogoBitmap logo(size.width(), size.height());
    for (int y = 0; y < size.height() && !image.isNull(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            logo.set(x, y, qGray(image.pixel(x * scale + scale - 1, y * scale)) < 128);
        }
    }
    return logo;
}

// Prints the header's pixels as rows of 0 and 1, decoding `layout`.
const char *kPrinter = R"(#include <stdio.h>
#include "logo.h"
int main(void) {
    for (int y = 0; y < MY_LOGO_HEIGHT; ++y) {
        for (int x = 0; x < MY_LOGO_WIDTH; ++x) {
#ifdef PAGES
            int bit = (my_logo[(y / 8) * MY_LOGO_WIDTH + x] >> (y % 8)) & 1;
#else
            int bit = (my_logo[y * ((MY_LOGO_WIDTH + 7) / 8) + x / 8] >> (7 - x % 8)) & 1;
#endif
            putchar('0' + bit);
        }
        putchar('\n');
    }
    return 0;
}
)";

TEST(LogoExportTest, PngAndXbmReadBackEqualTheLogo) {
    QTemporaryDir dir;
    for (const QSize size : {QSize(72, 14), QSize(84, 48), QSize(5, 3)}) {
        const LogoBitmap logo = randomLogo(size.width(), size.height());
        for (int scale : {1, 3}) {
            const QString png = dir.filePath(QStringLiteral("logo%1.png").arg(scale));
            ASSERT_EQ(writePng(logo, scale, png), QString());
            EXPECT_EQ(readBack(png, size, scale), logo) << size.width() << " x" << scale;
        }
        const QString xbm = dir.filePath(QStringLiteral("logo.xbm"));
        ASSERT_EQ(writeXbm(logo, xbm), QString());
        EXPECT_EQ(readBack(xbm, size, 1), logo) << size.width();
    }
    // failures are told, not thrown
    EXPECT_FALSE(
        writePng(randomLogo(4, 4), 1, dir.filePath(QStringLiteral("no/such/a.png"))).isEmpty());
    EXPECT_FALSE(writeXbm(LogoBitmap(), dir.filePath(QStringLiteral("empty.xbm"))).isEmpty());
}

TEST(LogoExportTest, CHeaderCompiledGivesThePixelsBackInBothLayouts) {
    const QString cc = QStandardPaths::findExecutable(QStringLiteral("cc"));
    if (cc.isEmpty()) {
        GTEST_SKIP() << "no C compiler";
    }
    QTemporaryDir dir;
    QFile printer(dir.filePath(QStringLiteral("print.c")));
    ASSERT_TRUE(printer.open(QIODevice::WriteOnly));
    printer.write(kPrinter);
    printer.close();
    const LogoBitmap logo = randomLogo(84, 45);  // height not a multiple of 8
    QByteArray expected;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            expected += logo.isSet(x, y) ? '1' : '0';
        }
        expected += '\n';
    }
    for (CHeaderLayout layout : {CHeaderLayout::Rows, CHeaderLayout::Pages}) {
        ASSERT_EQ(writeCHeader(logo, QStringLiteral("my-logo"), layout,
                               dir.filePath(QStringLiteral("logo.h"))),
                  QString());
        QProcess build;
        QStringList args{QStringLiteral("-std=c99"),
                         QStringLiteral("-Wall"),
                         QStringLiteral("-Werror"),
                         QStringLiteral("-o"),
                         dir.filePath(QStringLiteral("print")),
                         printer.fileName()};
        if (layout == CHeaderLayout::Pages) {
            args << QStringLiteral("-DPAGES");
        }
        build.start(cc, args);
        ASSERT_TRUE(build.waitForFinished(60000));
        ASSERT_EQ(build.exitCode(), 0) << build.readAllStandardError().toStdString();
        QProcess run;
        run.start(dir.filePath(QStringLiteral("print")), {});
        ASSERT_TRUE(run.waitForFinished(10000));
        EXPECT_EQ(run.readAllStandardOutput(), expected) << int(layout);
    }
    EXPECT_EQ(cIdentifier(QStringLiteral("3 logo")), QStringLiteral("logo_3_logo"));
}

}  // namespace
