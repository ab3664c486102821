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
    // A tick with a fresh log (the logo an operator logo of 72 x 14).
    void freshTick() {
        fakeengine::reset();
        fakeengine::byDefault("logo_getdata").out(0, 2).out(1, 72).out(2, 14);
        tick();
    }

    // Writes a GIF of the frames on a w x h canvas.
    QString gif(const char *name, std::vector<TinyGif::Frame> frames, int w = 72, int h = 14) {
        TinyGif file(w, h, kPalette);
        for (TinyGif::Frame &f : frames) {
            file.add(std::move(f));
        }
        const QString path = dir.filePath(QLatin1String(name));
        EXPECT_TRUE(file.write(path));
        return path;
    }
    // Loads the file and starts the animation.
    void animate(const QString &file) {
        control->LoadAnimation(file);
        control->setAnimateLogo(true);
    }

    // Three frames on a 72 x 14 canvas: white; a black 8 x 4 block at (10, 2)
    // drawn over it; a grey 8 x 4 block at (30, 6) drawn over that.
    QString threeFrames() {
        return gif("three.gif",
                   {TinyGif::filled(0, 0, 72, 14, kWhite), TinyGif::filled(10, 2, 8, 4, kBlack),
                    TinyGif::filled(30, 6, 8, 4, kGrey)});
    }

    // A picture of the logo with blocks {left, top, w, h, char} drawn in order.
    struct Block {
        int left, top, w, h;
        char c;
    };
    static Picture picture(std::initializer_list<Block> blocks) {
        Picture p(14, std::string(72, ' '));
        for (const Block &b : blocks) {
            for (int y = b.top; y < b.top + b.h; ++y) {
                for (int x = b.left; x < b.left + b.w; ++x) {
                    p[std::size_t(y)][std::size_t(x)] = b.c;
                }
            }
        }
        return p;
    }

    // The pixels written since the last reset.
    static Picture written() {
        Picture p = picture({});
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
    const Block white{0, 0, 72, 14, '.'}, black{10, 2, 8, 4, '#'};
    const Picture frames[3] = {picture({white}), picture({white, black}),
                               picture({white, black, {30, 6, 8, 4, '.'}})};  // 150 >= 140
    for (int round = 0; round < 4; ++round) {
        freshTick();
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
    const QString grey = gif("grey.gif", {TinyGif::filled(0, 0, 72, 14, kGrey)});
    control->invoke(0x60030127, DispatchKind::Method, {grey, qint16(151)});
    control->invoke(0x680300E5, DispatchKind::PropertyPut, {true});
    freshTick();
    EXPECT_EQ(written(), picture({{0, 0, 72, 14, '#'}}));
    animate(grey);  // left out, the threshold is 128
    freshTick();
    EXPECT_EQ(written(), picture({{0, 0, 72, 14, '.'}}));
    // kept even when there is no file to load
    control->LoadAnimation(QString(), 151);
    freshTick();
    EXPECT_EQ(written(), picture({{0, 0, 72, 14, '#'}}));
}

TEST_F(LogoAnimationTest, WindowMessagesRunWhileFramesLoadAndBeforeEachFrameGoesOut) {
    const QString file = threeFrames();
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    control->LoadAnimation(file);
    EXPECT_TRUE(ran);
    control->setAnimateLogo(true);
    fakeengine::reset();
    fakeengine::byDefault("logo_getdata").out(0, 2).out(1, 72).out(2, 14);
    QTimer::singleShot(0, [] { fakeengine::note("# message"); });
    tick();
    const Lines names = fakeengine::names();
    const auto note = std::find(names.begin(), names.end(), "# message");
    ASSERT_NE(note, names.end());
    EXPECT_EQ(std::find(names.begin(), note, "logo_setpixel"), note)
        << "pixels written before the messages ran";
    EXPECT_NE(std::find(note, names.end(), "logo_upload"), names.end());
}

TEST_F(LogoAnimationTest, MagentaAndTransparentPartsOfAFrameKeepTheLogosPixels) {
    TinyGif::Frame frame = TinyGif::filled(0, 0, 72, 14, kBlack);
    for (int y = 0; y < 14; ++y) {
        for (int x = 0; x < 72; ++x) {
            if (x < 20 || x >= 60) {
                frame.indices[std::size_t(y * 72 + x)] = x < 20 ? kMagenta : kWhite;
            }
        }
    }
    frame.transparent = kWhite;
    animate(gif("mask.gif", {frame}));
    freshTick();
    EXPECT_EQ(written(), picture({{20, 0, 40, 14, '#'}}));
}

TEST_F(LogoAnimationTest, ALargerCanvasIsScaledToTheLogo) {
    animate(gif("big.gif",
                {TinyGif::filled(0, 0, 168, 96, kWhite), TinyGif::filled(0, 0, 84, 48, kBlack)},
                168, 96));
    tick();
    freshTick();
    EXPECT_EQ(written(), picture({{0, 0, 72, 14, '.'}, {0, 0, 36, 7, '#'}}));
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

TEST_F(LogoAnimationTest, AMissingOrUnreadableFileLeavesTheAnimationAsItWas) {
    control->LoadAnimation(threeFrames(), 140);
    control->setAnimateLogo(true);
    QSignalSpy events(control.get(), &VelkorControl::LogoAnimation);
    tick();
    QFile junk(dir.filePath(QStringLiteral("junk.gif")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("GIF89a this is not a picture");
    junk.close();
    for (const QString &file :
         {QString(), dir.filePath(QStringLiteral("absent.gif")), junk.fileName(), dir.path()}) {
        control->LoadAnimation(file, 10);
        EXPECT_TRUE(control->AnimateLogo()) << file.toStdString();
    }
    tick();
    ASSERT_EQ(events.count(), 2);
    EXPECT_EQ(events.at(1).at(0).value<qint16>(), 1);
    EXPECT_EQ(events.at(1).at(1).value<qint16>(), 3);
}

TEST_F(LogoAnimationTest, ANewLoadStartsAtTheFirstFrameAndOneFrameShowsEveryTick) {
    const QString file = threeFrames();
    animate(file);
    QSignalSpy events(control.get(), &VelkorControl::LogoAnimation);
    tick();
    tick();
    animate(file);
    tick();
    animate(gif("one.gif", {TinyGif::filled(0, 0, 72, 14, kBlack)}));
    tick();
    tick();
    ASSERT_EQ(events.count(), 5);
    EXPECT_EQ(events.at(2).at(0).value<qint16>(), 0);
    for (int k : {3, 4}) {
        EXPECT_EQ(events.at(k).at(0).value<qint16>(), 0);
        EXPECT_EQ(events.at(k).at(1).value<qint16>(), 1);
    }
}

TEST_F(LogoAnimationTest, TheTimerDrivesTheAnimationOnItsOwn) {
    EXPECT_EQ(timer()->interval(), 150);
    animate(threeFrames());
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
