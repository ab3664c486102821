// The screen capture on the real main window, reading a given still picture
// of the screen (so it runs on any platform), and the choice of what the
// capture reads.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include "FileDialogScript.h"
#include "MainWindowTest.h"
#include "PixelCheck.h"
#include "capture/FrmZGetDesk.h"
#include "capture/ScreenSourceChoice.h"
#include "capture/StillPictureView.h"
#include "capture/StillScreenSource.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

QImage screenOf(QColor left, QColor right) {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(left);
    QPainter(&image).fillRect(200, 0, 200, 300, right);
    return image;
}

class CaptureTest : public MainWindowTest {
protected:
    void SetUp() override {
        home.writeSettings({});
        home.env.screenSource = [this]() -> std::unique_ptr<ScreenSource> {
            if (screen.isNull()) {
                return nullptr;
            }
            return std::make_unique<StillScreenSource>(screen);
        };
        start();
    }
    // Runs the capture with `act` done to the capture window.
    void snap(const std::function<void(FrmZGetDesk *)> &act) {
        ModalScript script;
        script.then([act](QWidget *w) {
            auto *frm = qobject_cast<FrmZGetDesk *>(w);
            ASSERT_NE(frm, nullptr) << w->metaObject()->className();
            act(frm);
        });
        window_->cmdSnap_Click();
        EXPECT_TRUE(script.done());
    }
    // An edit waiting to be saved, with an undo step.
    void editSomething() {
        window_->document().setPixel(3, 3, LogoDocument::kSetColor);
        window_->document().setModified(true);
        window_->TakeUndoSnapshot();
    }
    bool allPixels(bool set) {
        const LogoDocument &doc = window_->document();
        return everyPixel(QRect(0, 0, doc.logoWidth(), doc.logoHeight()),
                          [&](int x, int y) { return doc.isPixelSet(x, y) == set; });
    }
    QString bitmap() const { return home.env.paths.scratchBitmap(); }

    QImage screen = screenOf(Qt::black, Qt::black);
};

const auto pressEnter = [](FrmZGetDesk *frm) { QTest::keyClick(frm, Qt::Key_Return); };

TEST_F(CaptureTest, SnapMakesANewUntitledLogoOfTheKindsSize) {
    struct Case {
        void (FrmMain::*option)();
        const char *window;
        QSize logo;
        bool black;
    } cases[] = {{&FrmMain::optPicture_Click, "FrmZGetDeskCol2", {72, 28}, true},
                 {&FrmMain::optStartup_Click, "FrmZGetDeskCol3", {84, 48}, false}};
    for (const Case &c : cases) {
        (window_.get()->*c.option)();
        editSomething();
        screen = c.black ? screenOf(Qt::black, Qt::white) : screenOf(Qt::white, Qt::black);
        QSize captured;
        snap([&](FrmZGetDesk *frm) {
            EXPECT_EQ(frm->objectName(), c.window);
            EXPECT_FALSE(window_->isVisible());
            captured = frm->captureSize();
            pressEnter(frm);
        });
        const LogoDocument &doc = window_->document();
        EXPECT_EQ(QSize(doc.logoWidth(), doc.logoHeight()), c.logo) << c.window;
        EXPECT_TRUE(allPixels(c.black)) << c.window;
        EXPECT_FALSE(doc.isModified());
        EXPECT_FALSE(child<QPushButton>("cmdUndo")->isEnabled());
        EXPECT_EQ(QImage(bitmap()).size(), captured);
    }
    EXPECT_TRUE(home.messages->shown.empty());  // unsaved edits dropped unasked
}

TEST_F(CaptureTest, TheCloseBoxSavesNothingAndLeavesABlankLogo) {
    editSomething();
    snap([](FrmZGetDesk *frm) { frm->close(); });
    EXPECT_FALSE(QFileInfo::exists(bitmap()));
    EXPECT_TRUE(allPixels(false));
    EXPECT_FALSE(window_->document().isModified());
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(CaptureTest, TheBoxIsPlacedOnTheStillPictureWithTheMouse) {
    window_->optStartup_Click();
    screen = screenOf(Qt::black, Qt::white);
    snap([](FrmZGetDesk *frm) {
        ASSERT_NE(frm->picStill, nullptr);
        EXPECT_EQ(frm->PicColor->palette().color(QPalette::Window), QColor(Qt::black));
        // the view shows the 400 x 300 picture at 0.9: x 200 is picture x 222
        QTest::mouseClick(frm->picStill, Qt::LeftButton, {}, QPoint(200, 20));
        EXPECT_EQ(frm->PicColor->palette().color(QPalette::Window), QColor(Qt::white));
        pressEnter(frm);
    });
    EXPECT_TRUE(allPixels(false));
}

TEST_F(CaptureTest, WhenNothingCanBeReadTheLogoStaysAndImportIsOffered) {
    screen = QImage();
    editSomething();
    window_->cmdSnap_Click();  // the question is answered No
    ASSERT_EQ(home.messages->shown.size(), 1u);
    EXPECT_TRUE(home.messages->shown[0].question);
    EXPECT_TRUE(home.messages->shown[0].text.contains("Import Picture"));
    EXPECT_TRUE(window_->document().isPixelSet(3, 3));
    EXPECT_TRUE(window_->document().isModified());
}

class GivenPicture : public StillPictureProvider {
public:
    explicit GivenPicture(QImage p) : picture(std::move(p)) {}
    QImage takeStillPicture() override {
        ++calls;
        return picture;
    }
    QImage picture;
    int calls = 0;
};

TEST(ScreenSourceChoiceTest, AnUnreadableScreenFallsBackToTheStillPicture) {
    QImage black(50, 40, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_FALSE(liveScreenReadable(QImage()));
    EXPECT_FALSE(liveScreenReadable(black));
    QImage oneDot = black;
    oneDot.setPixel(49, 39, qRgb(0, 0, 1));
    EXPECT_TRUE(liveScreenReadable(oneDot));

    GivenPicture still(oneDot);
    EXPECT_TRUE(chooseScreenSource(true, still)->still().isNull());
    EXPECT_EQ(still.calls, 0);
    const std::unique_ptr<ScreenSource> source = chooseScreenSource(false, still);
    ASSERT_TRUE(source);
    source->setAnchor({48, 38});
    const QImage region = source->grab(QRect(source->anchor(), QSize(4, 4)));
    EXPECT_EQ(region.pixel(1, 1), qRgb(0, 0, 1));
    EXPECT_EQ(region.pixel(3, 3), qRgb(0, 0, 0));  // beyond the picture
    GivenPicture none{QImage()};
    EXPECT_FALSE(chooseScreenSource(false, none));
}

}  // namespace
