// The screen capture on the real main window, reading a given still picture
// of the screen (so it runs on any platform) and, under an X server, the live
// screen; the choice of what the capture reads; Import Picture and Export on
// the real main window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

#include "FileDialogScript.h"
#include "MainWindowTest.h"
#include "PixelCheck.h"
#include "capture/FrmExportLogo.h"
#include "capture/FrmImportPicture.h"
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
        script.on<FrmZGetDesk>(act);
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
    QString file(const char *name) const { return home.root + QLatin1Char('/') + name; }

    QImage screen = screenOf(Qt::black, Qt::black);
};

const auto pressEnter = [](FrmZGetDesk *frm) { QTest::keyClick(frm, Qt::Key_Return); };

TEST_F(CaptureTest, SnapMakesANewUntitledLogoOfTheKindsSize) {
    const struct {
        LogoKind kind;
        const char *window;
        QSize logo;
        bool black;
    } cases[] = {{kPictureMessage, "FrmZGetDeskCol2", {72, 28}, true},
                 {kStartupLogo, "FrmZGetDeskCol3", {84, 48}, false}};
    for (const auto &c : cases) {
        choose(c.kind);
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

TEST_F(CaptureTest, ImportIsOneUndoStepAndMarksTheLogoModified) {
    window_->optStartup_Click();
    QImage black(300, 200, QImage::Format_RGB32);
    black.fill(Qt::black);
    ASSERT_TRUE(black.save(file("black.png")));
    ModalScript script;
    script.chooseFile(file("black.png")).on<FrmImportPicture>([](FrmImportPicture *dialog) {
        dialog->optStretch->click();
        dialog->cmdOK->click();
    });
    window_->mnuImportPicture_Click();
    EXPECT_TRUE(script.done());
    const LogoDocument &doc = window_->document();
    EXPECT_TRUE(everyPixel([&](int x, int y) { return doc.isPixelSet(x, y); }));
    EXPECT_TRUE(doc.isModified());
    child<QPushButton>("cmdUndo")->click();
    EXPECT_TRUE(everyPixel([&](int x, int y) { return !doc.isPixelSet(x, y); }));

    // a file that is no picture is told and changes nothing
    ASSERT_TRUE(QFile(file("black.png")).resize(10));
    script.chooseFile(file("black.png"));
    window_->mnuImportPicture_Click();
    ASSERT_EQ(home.messages->shown.size(), 1u);
    EXPECT_TRUE(home.messages->shown[0].text.startsWith("Problem reading picture file"));
    EXPECT_TRUE(everyPixel([&](int x, int y) { return !doc.isPixelSet(x, y); }));
}

TEST_F(CaptureTest, ExportWritesTheChosenFormat) {
    window_->optStartup_Click();
    window_->document().setPixel(0, 0, LogoDocument::kSetColor);
    ModalScript script;
    script.on<FrmExportLogo>([this](FrmExportLogo *dialog) {
        dialog->cboFormat->setCurrentIndex(int(ExportFormat::CHeaderPages));
        dialog->txtPath->setText(file("out"));  // the extension follows the format
        dialog->cmdOK->click();
    });
    window_->mnuExport_Click();
    EXPECT_TRUE(script.done());
    QFile header(file("out.h"));
    ASSERT_TRUE(header.open(QIODevice::ReadOnly));
    const QByteArray text = header.readAll();
    EXPECT_TRUE(text.contains("#define LOGO_WIDTH 84"));
    EXPECT_TRUE(text.contains("0x01, 0x00"));
    EXPECT_TRUE(home.messages->shown.empty());
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

bool underX() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Runs the current test in a new process of this program under Xvfb, or
// skips it when xvfb-run is not installed.
void runUnderXvfb() {
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfbRun.isEmpty()) {
        GTEST_SKIP() << "xvfb-run is not installed (scripts/install-deps installs it)";
    }
    const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.remove(QStringLiteral("XDG_SESSION_TYPE"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(xvfbRun,
                {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 800x600x24"),
                 QCoreApplication::applicationFilePath(),
                 QStringLiteral("--gtest_filter=%1.%2")
                     .arg(QString::fromLatin1(info->test_suite_name()),
                          QString::fromLatin1(info->name()))});
    EXPECT_TRUE(child.waitForFinished(120000));
    const QByteArray out = child.readAll();
    EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
}

class CaptureX11Test : public MainWindowTest {};

TEST_F(CaptureX11Test, SnapReadsTheScreenAtThePointer) {
    if (!underX()) {
        runUnderXvfb();
        return;
    }
    // left half black, right half white, under everything else
    const QRect desk = QGuiApplication::primaryScreen()->geometry();
    QImage picture(desk.size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter(&picture).fillRect(desk.width() / 2, 0, desk.width(), desk.height(), Qt::white);
    QLabel backdrop;
    backdrop.setWindowFlags(Qt::FramelessWindowHint);
    backdrop.setPixmap(QPixmap::fromImage(picture));
    backdrop.setGeometry(desk);
    backdrop.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&backdrop));
    QTest::qWait(200);

    home.writeSettings({});
    start().optStartup_Click();
    for (const bool black : {true, false}) {
        QCursor::setPos(black ? QPoint(10, 10) : QPoint(desk.width() - 100, 10));
        ModalScript script;
        script.then([](QWidget *w) {
            auto *frm = qobject_cast<FrmZGetDesk *>(w);
            ASSERT_NE(frm, nullptr);
            EXPECT_EQ(frm->picStill, nullptr);  // live, not a still picture
            QTest::qWait(100);                  // a few ticks of the timer
            QTest::keyClick(frm, Qt::Key_Return);
        });
        window_->cmdSnap_Click();
        EXPECT_TRUE(script.done());
        const LogoDocument &doc = window_->document();
        EXPECT_EQ(QSize(doc.logoWidth(), doc.logoHeight()), QSize(84, 48));
        EXPECT_TRUE(everyPixel(QRect(0, 0, 84, 48),
                               [&](int x, int y) { return doc.isPixelSet(x, y) == black; }))
            << "black " << black;
    }
}

}  // namespace
