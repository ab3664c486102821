// Export: PNG and XBM read back by Qt, and the C header compiled into a
// small program that prints the pixels back in both layouts.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "imaging/LogoExport.h"

using namespace glyphsmith;

namespace {

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
