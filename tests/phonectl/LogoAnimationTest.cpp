// LoadAnimation, AnimateLogo and the 150 ms animation step on the control,
// with GIF files written by the test, against the recording fake engine.
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <regex>

#include "ControlTestSupport.h"
#include "LogoAnimator.h"
#include "TinyGif.h"

namespace {

// Palette indices of the test GIFs.
constexpr uint8_t kBlack = 0, kWhite = 1, kMagenta = 2, kGrey = 3;
const std::array<QRgb, 4> kPalette{qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(255, 0, 255),
                                   qRgb(150, 150, 150)};

// A logo as the engine was told it: one character per pixel, row by row,
// '#' set, '.' clear, ' ' not written.
using Picture = std::vector<std::string>;

class LogoAnimationTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        // The ticks run when the test says so.
        timer()->stop();
        fakeengine::byDefault("logo_getdata").out(0, 2).out(1, 72).out(2, 14);
    }

    QTimer *timer() { return control->findChild<QTimer *>(QStringLiteral("Timer2")); }
    void tick() {
        ASSERT_TRUE(QMetaObject::invokeMethod(timer(), "timeout", Qt::DirectConnection));
    }

    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }

    // Three frames on a 72 x 14 canvas: white; a black 8 x 4 block at (10, 2)
    // drawn over it; a grey 8 x 4 block at (30, 6) drawn over that.
    QString threeFrames() {
        TinyGif gif(72, 14, kPalette);
        gif.add(TinyGif::filled(0, 0, 72, 14, kWhite));
        gif.add(TinyGif::filled(10, 2, 8, 4, kBlack));
        gif.add(TinyGif::filled(30, 6, 8, 4, kGrey));
        const QString file = path("three.gif");
        EXPECT_TRUE(gif.write(file));
        return file;
    }

    static Picture blank() { return Picture(14, std::string(72, ' ')); }
    static void block(Picture &p, int left, int top, int w, int h, char c) {
        for (int y = top; y < top + h; ++y) {
            for (int x = left; x < left + w; ++x) {
                p[std::size_t(y)][std::size_t(x)] = c;
            }
        }
    }

    // The pixels written since the last reset.
    static Picture written() {
        Picture p = blank();
        const std::regex pattern(R"(logo_setpixel\((\d+), (\d+), (-?\d+)\))");
        for (const std::string &line : fakeengine::callsTo("logo_setpixel")) {
            std::smatch m;
            if (std::regex_match(line, m, pattern)) {
                p.at(std::size_t(std::stoi(m[2]))).at(std::size_t(std::stoi(m[1]))) =
                    m[3] == "1" ? '.' : '#';
            }
        }
        return p;
    }

    QTemporaryDir dir;
};

TEST_F(LogoAnimationTest, ShowsEveryFrameInOrderWithItsEventThenStartsAgain) {
    control->LoadAnimation(threeFrames(), 140);
    control->setAnimateLogo(true);
    QSignalSpy events(control.get(), &VelkorControl::LogoAnimation);

    Picture frames[3];
    frames[0] = blank();
    block(frames[0], 0, 0, 72, 14, '.');
    frames[1] = frames[0];
    block(frames[1], 10, 2, 8, 4, '#');
    frames[2] = frames[1];
    block(frames[2], 30, 6, 8, 4, '.');  // grey 150 is not below 140

    for (int round = 0; round < 4; ++round) {
        fakeengine::reset();
        fakeengine::byDefault("logo_getdata").out(0, 2).out(1, 72).out(2, 14);
        tick();
        const int k = round % 3;
        EXPECT_EQ(written(), frames[k]) << "tick " << round;
        // The frame goes out once, after all of its pixels.
        EXPECT_EQ(fakeengine::callsTo("logo_upload").size(), 1u);
        EXPECT_EQ(fakeengine::names().back(), "logo_upload");
        ASSERT_EQ(events.count(), round + 1);
        EXPECT_EQ(events.at(round).at(0).value<qint16>(), k);
        EXPECT_EQ(events.at(round).at(1).value<qint16>(), 3);
    }
}

TEST_F(LogoAnimationTest, TheThresholdOfTheLoadApplies) {
    TinyGif gif(72, 14, kPalette);
    gif.add(TinyGif::filled(0, 0, 72, 14, kGrey));
    ASSERT_TRUE(gif.write(path("grey.gif")));
    control->invoke(0x60030127, DispatchKind::Method, {path("grey.gif"), qint16(151)});
    control->invoke(0x680300E5, DispatchKind::PropertyPut, {true});
    fakeengine::reset();
    fakeengine::byDefault("logo_getdata").out(0, 2).out(1, 72).out(2, 14);
    tick();
    Picture set = blank();
    block(set, 0, 0, 72, 14, '#');
    EXPECT_EQ(written(), set);

    // Left out, the threshold is 128.
    control->LoadAnimation(path("grey.gif"));
    control->setAnimateLogo(true);
    fakeengine::reset();
    fakeengine::byDefault("logo_getdata").out(0, 2).out(1, 72).out(2, 14);
    tick();
    Picture clear = blank();
    block(clear, 0, 0, 72, 14, '.');
    EXPECT_EQ(written(), clear);
}

TEST_F(LogoAnimationTest, MagentaAndTransparentPartsOfAFrameKeepTheLogosPixels) {
    TinyGif gif(72, 14, kPalette);
    TinyGif::Frame frame = TinyGif::filled(0, 0, 72, 14, kBlack);
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 72; ++x) {
            if (x < 20) {
                frame.indices[std::size_t(y * 72 + x)] = kMagenta;
            } else if (x >= 60) {
                frame.indices[std::size_t(y * 72 + x)] = kWhite;
            }
        }
    }
    frame.transparent = kWhite;
    gif.add(frame);
    ASSERT_TRUE(gif.write(path("mask.gif")));
    control->LoadAnimation(path("mask.gif"));
    control->setAnimateLogo(true);
    fakeengine::reset();
    fakeengine::byDefault("logo_getdata").out(0, 2).out(1, 72).out(2, 14);
    tick();
    Picture expected = blank();
    block(expected, 20, 0, 40, 14, '#');
    EXPECT_EQ(written(), expected);
}

TEST_F(LogoAnimationTest, ALargerCanvasIsScaledToTheLogo) {
    TinyGif gif(168, 96, kPalette);
    gif.add(TinyGif::filled(0, 0, 168, 96, kWhite));
    gif.add(TinyGif::filled(0, 0, 84, 48, kBlack));
    ASSERT_TRUE(gif.write(path("big.gif")));
    control->LoadAnimation(path("big.gif"));
    control->setAnimateLogo(true);
    tick();
    fakeengine::reset();
    fakeengine::byDefault("logo_getdata").out(0, 2).out(1, 72).out(2, 14);
    tick();
    Picture expected = blank();
    block(expected, 0, 0, 72, 14, '.');
    block(expected, 0, 0, 36, 7, '#');
    EXPECT_EQ(written(), expected);
}

TEST_F(LogoAnimationTest, NothingHappensWithoutTheFlagOrWithoutFrames) {
    QSignalSpy events(control.get(), &VelkorControl::LogoAnimation);
    control->setAnimateLogo(true);
    fakeengine::reset();
    tick();  // no frames
    control->LoadAnimation(threeFrames());
    EXPECT_FALSE(control->AnimateLogo());  // a load stops the animation
    fakeengine::reset();
    tick();
    EXPECT_TRUE(fakeengine::calls().empty());
    EXPECT_EQ(events.count(), 0);
}

TEST_F(LogoAnimationTest, AOneFrameFileIsShownEveryTick) {
    TinyGif gif(72, 14, kPalette);
    gif.add(TinyGif::filled(0, 0, 72, 14, kBlack));
    ASSERT_TRUE(gif.write(path("one.gif")));
    control->LoadAnimation(path("one.gif"));
    control->setAnimateLogo(true);
    QSignalSpy events(control.get(), &VelkorControl::LogoAnimation);
    tick();
    tick();
    ASSERT_EQ(events.count(), 2);
    EXPECT_EQ(events.at(1).at(0).value<qint16>(), 0);
    EXPECT_EQ(events.at(1).at(1).value<qint16>(), 1);
}

TEST_F(LogoAnimationTest, AMissingOrUnreadableFileLeavesTheAnimationAsItWas) {
    control->LoadAnimation(threeFrames(), 140);
    control->setAnimateLogo(true);
    QSignalSpy events(control.get(), &VelkorControl::LogoAnimation);
    tick();

    QFile junk(path("junk.gif"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("GIF89a this is not a picture");
    junk.close();
    for (const QString &file : {QString(), path("absent.gif"), path("junk.gif"), dir.path()}) {
        control->LoadAnimation(file, 10);
        EXPECT_TRUE(control->AnimateLogo()) << file.toStdString();
    }
    tick();
    ASSERT_EQ(events.count(), 2);
    EXPECT_EQ(events.at(1).at(0).value<qint16>(), 1);
    EXPECT_EQ(events.at(1).at(1).value<qint16>(), 3);
}

TEST_F(LogoAnimationTest, ANewLoadStartsAtTheFirstFrame) {
    const QString file = threeFrames();
    control->LoadAnimation(file);
    control->setAnimateLogo(true);
    QSignalSpy events(control.get(), &VelkorControl::LogoAnimation);
    tick();
    tick();
    control->LoadAnimation(file);
    control->setAnimateLogo(true);
    tick();
    ASSERT_EQ(events.count(), 3);
    EXPECT_EQ(events.at(2).at(0).value<qint16>(), 0);
}

TEST_F(LogoAnimationTest, TheTimerDrivesTheAnimationOnItsOwn) {
    EXPECT_EQ(timer()->interval(), 150);
    control->LoadAnimation(threeFrames());
    control->setAnimateLogo(true);
    QSignalSpy events(control.get(), &VelkorControl::LogoAnimation);
    timer()->start();
    EXPECT_TRUE(events.wait(5000));
}

TEST(LogoAnimatorFrames, EveryTruncationOfAFileReadsSafely) {
    TinyGif gif(16, 8, kPalette);
    gif.add(TinyGif::filled(0, 0, 16, 8, kWhite));
    gif.add(TinyGif::filled(2, 2, 4, 4, kBlack));
    gif.add(TinyGif::filled(8, 0, 4, 8, kGrey));
    const QByteArray bytes = gif.bytes();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("cut.gif"));
    const auto whole = velkor17::LogoAnimator::readFrames(file + QStringLiteral("-absent"));
    EXPECT_FALSE(whole.has_value());
    for (qsizetype n = 0; n <= bytes.size(); ++n) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes.left(n));
        out.close();
        const auto frames = velkor17::LogoAnimator::readFrames(file);
        if (frames) {
            EXPECT_LE(frames->size(), 3) << n;
            EXPECT_GE(frames->size(), 1) << n;
        }
        if (n == bytes.size()) {
            ASSERT_TRUE(frames.has_value());
            EXPECT_EQ(frames->size(), 3);
        }
    }
}

}  // namespace
