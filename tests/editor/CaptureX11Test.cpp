// The capture reading the live screen of a real X server. Elsewhere the test
// runs itself again under xvfb-run (skipped when that is not installed).
#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

#include "FileDialogScript.h"
#include "MainWindowTest.h"
#include "PixelCheck.h"
#include "capture/FrmZGetDesk.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

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
