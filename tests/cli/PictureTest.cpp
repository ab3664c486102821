// Pictures into logos: the fit, threshold, dither and invert options, and
// the C header and enlarged PNG written.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "CliRunner.h"

using namespace glyphsmith::test;

namespace {

// The GSP rows of a logo as '#' (set) and '.' (clear) for messages.
QStringList rowsOf(const QByteArray &gsp) {
    QStringList rows;
    for (const QByteArray &line : gsp.split('\n')) {
        if (!line.trimmed().isEmpty()) {
            rows << QString::fromLatin1(line.trimmed()).replace('0', '#').replace('1', '.');
        }
    }
    return rows;
}

}  // namespace

TEST(PictureTest, PicturesBecomeLogosAsTheOptionsSay) {
    CliHome home;
    // 300 x 100: black left third, grey (100) middle third, white right third
    QImage picture(300, 100, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 100, 100, Qt::black);
    painter.fillRect(100, 0, 100, 100, QColor(100, 100, 100));
    painter.fillRect(200, 0, 100, 100, Qt::white);
    painter.end();
    ASSERT_TRUE(picture.save(home.path("bands.jpg"), "JPEG", 100));
    ASSERT_TRUE(picture.save(home.path("bands.png")));

    const struct {
        QStringList args;
        QString left, middle, right;  // the rows' parts at the band centres
    } cases[] = {
        // 72 x 14 stretched: each band 24 columns wide
        {{"bands.jpg", "--kind", "operator", "--stretch", "--dither", "none"}, "#", "#", "."},
        {{"bands.png", "--kind", "operator", "--stretch", "--dither", "none", "--threshold", "100"},
         "#",
         ".",
         "."},
        {{"bands.png", "--kind", "operator", "--stretch", "--dither", "none", "--invert"},
         ".",
         ".",
         "#"},
        {{"bands.png", "--kind", "operator", "--stretch", "--dither", "ordered"}, "#", "#.", "."},
        {{"bands.jpg", "--kind", "operator", "--stretch", "--dither", "atkinson"}, "#", "#.", "."},
    };
    for (const auto &c : cases) {
        const QStringList args = QStringList{"convert"} + c.args + QStringList{"out.gsp"};
        const CliRun r = home.run(args);
        ASSERT_EQ(r.code, 0) << args.join(' ').toStdString() << ": " << r.err.toStdString();
        const QStringList rows = rowsOf(home.read("out.gsp"));
        ASSERT_EQ(rows.size(), 14);
        for (const QString &row : rows) {
            ASSERT_EQ(row.size(), 72);
            // a dithered mid-grey band holds both kinds of pixel
            const QString middle = row.mid(30, 12);
            EXPECT_EQ(row.mid(4, 16), QString(16, c.left[0])) << args.join(' ').toStdString();
            EXPECT_EQ(row.mid(52, 16), QString(16, c.right[0])) << args.join(' ').toStdString();
            for (const QChar ch : c.middle) {
                EXPECT_TRUE(middle.contains(ch))
                    << args.join(' ').toStdString() << " " << row.toStdString();
            }
            if (c.middle.size() == 1) {
                EXPECT_EQ(middle, QString(12, c.middle[0])) << args.join(' ').toStdString();
            }
        }
    }
    // fit keeps the 3:1 aspect in 72 x 14: 42 x 14 in the middle, white around
    ASSERT_EQ(home.run({"convert", "bands.png", "fit.gsp", "--kind", "operator", "--fit",
                        "--dither", "none"})
                  .code,
              0);
    const QString fitRow = rowsOf(home.read("fit.gsp")).value(7);
    EXPECT_EQ(fitRow.left(15), QString(15, '.'));
    EXPECT_EQ(fitRow.mid(16, 12), QString(12, '#'));
    // without --kind a picture of no logo's size takes the target's kind, or is refused
    EXPECT_EQ(home.run({"convert", "bands.png", "bands.nsl"}).code, 0);
    EXPECT_EQ(home.run({"convert", "bands.png", "bands.nlm"}).code, 1);
    EXPECT_FALSE(QFile::exists(home.path("bands.nlm")));
}

TEST(PictureTest, EnlargedPngAndCHeaderHoldTheLogo) {
    CliHome home;
    home.write("op.gsp", gspText(72, 14, pattern));
    ASSERT_EQ(home.run({"convert", "op.gsp", "big.png", "--scale", "4"}).code, 0);
    EXPECT_EQ(QImage(home.path("big.png")).size(), QSize(288, 56));
    ASSERT_EQ(home.run({"convert", "big.png", "back.gsp"}).code, 0);
    EXPECT_EQ(home.read("back.gsp"), home.read("op.gsp"));

    // rows layout: 9 bytes a row, the leftmost pixel in the top bit
    ASSERT_EQ(home.run({"convert", "op.gsp", "my-logo.h"}).code, 0);
    const QByteArray header = home.read("my-logo.h");
    EXPECT_TRUE(header.contains("my_logo[126]")) << header.toStdString();
    const QByteArray body = header.mid(header.indexOf('{') + 1);
    const QList<QByteArray> bytes = body.left(body.indexOf('}')).simplified().split(',');
    ASSERT_GE(bytes.size(), 126);
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 72; ++x) {
            const int byte = bytes[y * 9 + x / 8].trimmed().toInt(nullptr, 16);
            EXPECT_EQ(bool(byte & (0x80 >> (x % 8))), pattern(x, y)) << x << "," << y;
        }
    }
}
