// Turning pictures into logo pixels: brightness, sampling, the screen colour,
// and SetLogoPicture on the control against the recording fake engine.
#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <map>
#include <regex>
#include <utility>

#include "ControlTestSupport.h"
#include "PictureToLogo.h"
#include "velkor17/FBLogo.h"

using velkor17::PictureToLogo;

namespace {

constexpr qint8 kLeave = PictureToLogo::kLeave;
constexpr quint32 kMagenta = 0xFF00FF;

// A colour 0x00BBGGRR.
constexpr quint32 bgr(int r, int g, int b) {
    return quint32(r) | (quint32(g) << 8) | (quint32(b) << 16);
}

QImage filled(int w, int h, QColor c, QImage::Format format = QImage::Format_RGB32) {
    QImage image(w, h, format);
    image.fill(c);
    return image;
}

// A w x h picture of the colours rgb(x, y) gives.
template <class F>
QImage imageOf(int w, int h, F rgb) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, rgb(x, y));
        }
    }
    return image;
}

// Logo pixels, row by row, of the values value(x, y) gives.
template <class F>
std::vector<qint8> pixelsOf(int w, int h, F value) {
    std::vector<qint8> out;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            out.push_back(qint8(value(x, y)));
        }
    }
    return out;
}

// Black and white squares of `cell` pixels, black at the top left.
QImage checkerboard(int w, int h, int cell) {
    return imageOf(w, h, [cell](int x, int y) {
        return ((x / cell) + (y / cell)) % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    });
}

std::vector<qint8> convert(const QImage &picture, int w, int h, int threshold = 128,
                           quint32 screen = kMagenta) {
    return PictureToLogo::pixels(picture, w, h, threshold, screen);
}

qint8 at(const std::vector<qint8> &pixels, int w, int x, int y) {
    return pixels[std::size_t(y) * std::size_t(w) + std::size_t(x)];
}

TEST(PictureBrightness, WeighsRedGreenBlueAndRoundsHalvesToEven) {
    // Halves from the seventh on: 0.5 -> 0, 1.5 -> 2, 16.5 -> 16, 49.5 -> 50,
    // magenta 127.5 -> 128; then 0.33 -> 0, 0.66 -> 1; the top byte plays no part.
    const std::pair<quint32, int> cases[] = {
        {bgr(0, 0, 0), 0},         {bgr(255, 255, 255), 255},
        {bgr(128, 128, 128), 128}, {bgr(100, 0, 0), 33},
        {bgr(0, 0, 100), 17},      {bgr(0, 100, 0), 50},
        {bgr(0, 1, 0), 0},         {bgr(0, 3, 0), 2},
        {bgr(50, 0, 0), 16},       {bgr(150, 0, 0), 50},
        {kMagenta, 128},           {bgr(1, 0, 0), 0},
        {bgr(2, 0, 0), 1},         {0x12000000 | bgr(0, 100, 0), 50}};
    for (const auto &[colour, expected] : cases) {
        EXPECT_EQ(PictureToLogo::brightness(colour), expected) << std::hex << colour;
    }
}

TEST(PictureBrightness, GreysKeepTheirValueAndNoChannelLowersIt) {
    for (int v = 0; v < 256; ++v) {
        EXPECT_EQ(PictureToLogo::brightness(bgr(v, v, v)), v);
    }
    for (int v = 0; v < 255; v += 7) {
        const int base = PictureToLogo::brightness(bgr(v, v, v));
        EXPECT_GE(PictureToLogo::brightness(bgr(v + 1, v, v)), base);
        EXPECT_GE(PictureToLogo::brightness(bgr(v, v + 1, v)), base);
        EXPECT_GE(PictureToLogo::brightness(bgr(v, v, v + 1)), base);
    }
}

TEST(PictureScreenColor, TakesNumbersAndColoursAndDefaultsToMagenta) {
    EXPECT_EQ(PictureToLogo::screenColorOf(QVariant()), kMagenta);
    EXPECT_EQ(PictureToLogo::screenColorOf(QVariant(qint32(0xC0FFC0))), 0xC0FFC0u);
    EXPECT_EQ(PictureToLogo::screenColorOf(QVariant(quint32(0x0000FF))), 0x0000FFu);
    // A QColor is RGB; the number is 0x00BBGGRR.
    EXPECT_EQ(PictureToLogo::screenColorOf(QVariant(QColor(0x12, 0x34, 0x56))), 0x563412u);
    EXPECT_EQ(PictureToLogo::screenColorOf(QVariant(QStringLiteral("pink"))), kMagenta);
}

TEST(PictureToPixels, TheThresholdDecidesAndMagentaIsOrdinaryUnderAnotherScreenColour) {
    const QImage grey = filled(10, 10, QColor(150, 150, 150));
    EXPECT_EQ(convert(grey, 5, 5, 151), std::vector<qint8>(25, 0));
    EXPECT_EQ(convert(grey, 5, 5, 150), std::vector<qint8>(25, 1));
    EXPECT_EQ(convert(grey, 5, 5, 0), std::vector<qint8>(25, 1));
    EXPECT_EQ(convert(grey, 5, 5, 256), std::vector<qint8>(25, 0));
    const QImage magenta = filled(10, 10, QColor(255, 0, 255));
    EXPECT_EQ(convert(magenta, 5, 5, 128, bgr(0, 255, 0)), std::vector<qint8>(25, 1));
    EXPECT_EQ(convert(magenta, 5, 5, 129, bgr(0, 255, 0)), std::vector<qint8>(25, 0));
    EXPECT_EQ(convert(grey, 5, 5, 128, bgr(150, 150, 150)), std::vector<qint8>(25, kLeave));
}

TEST(PictureToPixels, PicturesOfOtherSizesAreSampledNearTheTopLeftOfEachCell) {
    // Logo pixel x samples picture column floor((x + 0.1) * w / 72): the first
    // of its columns. Stripes one column wide show which one.
    const QImage stripes = imageOf(216, 42, [](int x, int y) {
        return x % 3 == 0 && y % 3 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    });
    const auto board = pixelsOf(72, 14, [](int x, int y) { return (x + y) % 2; });
    const auto enlarged = pixelsOf(72, 14, [](int x, int y) { return (x / 2 + y / 2) % 2; });
    const std::pair<QImage, std::vector<qint8>> cases[] = {
        {checkerboard(72, 14, 1), board},
        {checkerboard(144, 28, 2), board},
        {stripes, std::vector<qint8>(72 * 14, 0)},
        {checkerboard(36, 7, 1), enlarged},
        {filled(1, 1, Qt::black), std::vector<qint8>(72 * 14, 0)},
    };
    for (const auto &[picture, expected] : cases) {
        EXPECT_EQ(convert(picture, 72, 14), expected) << picture.width();
    }
}

TEST(PictureToPixels, AGradientTurnsOnceFromSetToClear) {
    const QImage gradient = imageOf(256, 10, [](int x, int) { return qRgb(x, x, x); });
    for (int threshold : {1, 64, 128, 200, 255}) {
        const std::vector<qint8> out = convert(gradient, 84, 48, threshold);
        // The first clear pixel is the first whose sampled column is bright enough.
        int edge = 0;
        while (edge < 84 && int((edge + 0.1) * 256 / 84) < threshold) {
            ++edge;
        }
        EXPECT_EQ(out, pixelsOf(84, 48, [edge](int x, int) { return x < edge ? 0 : 1; }))
            << threshold;
    }
}

TEST(PictureToPixels, AMagentaMaskAndTransparentPartsLeavePixelsAlone) {
    QImage picture = filled(72, 14, Qt::black);
    QPainter(&picture).fillRect(0, 0, 36, 14, QColor(255, 0, 255));
    std::vector<qint8> out = convert(picture, 72, 14);
    for (int x = 0; x < 72; ++x) {
        EXPECT_EQ(at(out, 72, x, 5), x < 36 ? kLeave : 0) << x;
    }
    QImage clear = filled(72, 14, Qt::transparent, QImage::Format_ARGB32);
    QPainter(&clear).fillRect(0, 0, 10, 14, Qt::white);
    out = convert(clear, 72, 14);
    for (int x = 0; x < 72; ++x) {
        EXPECT_EQ(at(out, 72, x, 0), x < 10 ? 1 : kLeave) << x;
    }
    // Under another screen colour the transparent parts show that colour.
    out = convert(clear, 72, 14, 128, bgr(0, 0, 0));
    EXPECT_EQ(at(out, 72, 50, 0), kLeave);
    // Half-transparent black over magenta is dark purple (brightness 64).
    const QImage veil = filled(4, 4, QColor(0, 0, 0, 128), QImage::Format_ARGB32);
    EXPECT_EQ(convert(veil, 2, 2, 65), std::vector<qint8>(4, 0));
    EXPECT_EQ(convert(veil, 2, 2, 64), std::vector<qint8>(4, 1));
}

TEST(PictureToPixels, NoPictureOrNoLogoGivesNothingToSet) {
    EXPECT_EQ(convert(QImage(), 3, 2), std::vector<qint8>(6, kLeave));
    EXPECT_TRUE(convert(filled(5, 5, Qt::black), 0, 0).empty());
    EXPECT_TRUE(convert(filled(5, 5, Qt::black), -3, 4).empty());
}

// ---- SetLogoPicture on the control ---------------------------------------------

class SetLogoPictureTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        fakeengine::byDefault("logo_getdata").out(0, 2).out(1, 72).out(2, 14);
    }

    // The pixels the engine was given, by position.
    static std::map<std::pair<int, int>, int> setPixels() {
        std::map<std::pair<int, int>, int> out;
        const std::regex pattern(R"(logo_setpixel\((\d+), (\d+), (-?\d+)\))");
        for (const std::string &line : fakeengine::callsTo("logo_setpixel")) {
            std::smatch m;
            if (std::regex_match(line, m, pattern)) {
                out[{std::stoi(m[1]), std::stoi(m[2])}] = std::stoi(m[3]);
            }
        }
        return out;
    }
};

TEST_F(SetLogoPictureTest, EveryPixelIsWrittenWithoutUploadingAndByDispIdToo) {
    control->SetLogoPicture(filled(200, 40, Qt::white));
    for (const auto &[where, value] : setPixels()) {
        EXPECT_EQ(value, 1);
    }
    EXPECT_EQ(fakeengine::callsTo("logo_setpixel").size(), 72u * 14u);
    EXPECT_TRUE(fakeengine::callsTo("logo_upload").empty());
    EXPECT_TRUE(fakeengine::callsTo("logo_download").empty());

    fakeengine::reset();
    fakeengine::byDefault("logo_getdata").out(0, 2).out(1, 72).out(2, 14);
    QPixmap pixmap(72, 14);
    pixmap.fill(Qt::black);
    control->invoke(0x60030125, DispatchKind::Method, {pixmap});  // the defaults left out
    const auto pixels = setPixels();
    ASSERT_EQ(pixels.size(), 72u * 14u);
    EXPECT_EQ(pixels.begin()->second, 0);

    fakeengine::reset();
    control->SetLogoPicture(QImage());
    EXPECT_EQ(fakeengine::names(), Lines{"set_vlkr_instance"});
}

TEST_F(SetLogoPictureTest, ThresholdAndScreenColourByDispId) {
    QImage picture = filled(72, 14, QColor(100, 100, 100));
    QPainter(&picture).fillRect(0, 0, 72, 7, QColor(0, 0, 255));
    control->invoke(0x60030125, DispatchKind::Method,
                    {picture, qint16(100), QVariant(qint32(bgr(0, 0, 255)))});
    const auto pixels = setPixels();
    EXPECT_EQ(pixels.size(), 72u * 7u);  // the blue half is the screen colour
    EXPECT_EQ(pixels.count({0, 6}), 0u);
    EXPECT_EQ(pixels.at({0, 7}), 1);  // 100 is not below 100
}

TEST_F(SetLogoPictureTest, ALogoWithoutSizeIsFirstDownloadedAsAnOperatorLogo) {
    for (int i = 0; i < 2; ++i) {
        fakeengine::answer("logo_getdata").out(0, 0).out(1, 0).out(2, 0);
    }
    control->SetLogoPicture(checkerboard(72, 14, 1));
    const Lines names = fakeengine::names();
    ASSERT_GE(names.size(), 5u);
    EXPECT_EQ(Lines(names.begin(), names.begin() + 5),
              (Lines{"set_vlkr_instance", "logo_getdata", "logo_getdata", "logo_download",
                     "logo_getdata"}));
    EXPECT_EQ(fakeengine::callsTo("logo_download"), Lines{"logo_download(2)"});
    const auto pixels = setPixels();
    ASSERT_EQ(pixels.size(), 72u * 14u);
    EXPECT_EQ(pixels.at({0, 0}), 0);
    EXPECT_EQ(pixels.at({1, 0}), 1);
}

TEST_F(SetLogoPictureTest, AFailedDownloadLeavesNothingToWrite) {
    fakeengine::byDefault("logo_getdata").out(0, 0).out(1, 0).out(2, 0);
    fakeengine::answer("logo_download").result(1);
    control->SetLogoPicture(filled(10, 10, Qt::black));
    EXPECT_TRUE(fakeengine::callsTo("logo_setpixel").empty());
    EXPECT_EQ(fakeengine::callsTo("logo_download").size(), 1u);
}

}  // namespace
