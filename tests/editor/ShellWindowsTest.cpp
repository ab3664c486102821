#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "MainWindowTest.h"
#include "shell/FrmSplash.h"
#include "shell/HelpWindow.h"
#include "shell/SingleInstance.h"

using namespace glyphsmith;
using glyphsmith::test::MainWindowTest;

namespace {

TEST(FrmSplashTest, ShowsForThreeSecondsAtMostAndEndsOnce) {
    auto *splash = new FrmSplash;
    QSignalSpy finished(splash, &FrmSplash::finished);
    QPointer<FrmSplash> alive(splash);
    splash->showCentred();
    auto *timer = splash->findChild<QTimer *>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    QTest::keyClick(splash, Qt::Key_Space);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }, 2000));  // unloaded
    // a click and then the timer end it only once
    auto *clicked = new FrmSplash;
    QSignalSpy once(clicked, &FrmSplash::finished);
    clicked->showCentred();
    QTest::mouseClick(clicked, Qt::LeftButton);
    clicked->Timer1_Timer();
    EXPECT_EQ(once.count(), 1);
    // closed by the window manager: it hands over all the same
    auto *closed = new FrmSplash;
    QSignalSpy handedOver(closed, &FrmSplash::finished);
    closed->showCentred();
    closed->close();
    EXPECT_EQ(handedOver.count(), 1);
}

TEST(HelpWindowTest, OpensWelcomeFromTheHelpFolderOrTheBuiltInPages) {
    QTemporaryDir dir;
    EXPECT_EQ(HelpWindow::topicUrl(dir.path(), QStringLiteral("Welcome.htm")),
              QUrl(QStringLiteral("qrc:/help/Welcome.htm")));
    QFile page(dir.filePath(QStringLiteral("Welcome.htm")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><body>hello</body></html>");
    page.close();
    EXPECT_EQ(HelpWindow::topicUrl(dir.path(), QStringLiteral("Welcome.htm")),
              QUrl::fromLocalFile(dir.filePath(QStringLiteral("Welcome.htm"))));
    // a file named as the help file: its folder holds the pages
    EXPECT_EQ(HelpWindow::topicUrl(dir.filePath(QStringLiteral("Glyphsmith.chm")),
                                   QStringLiteral("Welcome.htm")),
              QUrl::fromLocalFile(dir.filePath(QStringLiteral("Welcome.htm"))));
    EXPECT_EQ(HelpWindow::topicUrl(QString(), QStringLiteral("Welcome.htm")),
              QUrl(QStringLiteral("qrc:/help/Welcome.htm")));
}

TEST_F(MainWindowTest, ContentsOpensTheHelpAtWelcome) {
    home.writeSettings({QStringLiteral("HelpFilePath=") + home.root + QStringLiteral("/nohelp")});
    FrmMain &w = start();
    w.ui().mnuContents->trigger();
    auto *help = w.findChild<HelpWindow *>(QStringLiteral("frmHelp"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->currentSource(), QUrl(QStringLiteral("qrc:/help/Welcome.htm")));
    help->close();
    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(w.findChildren<HelpWindow *>().size(), 1);
}

TEST(SingleInstanceTest, SecondInstanceFindsTheFirstAndAsksItToTheFront) {
    const QString key =
        SingleInstance::keyForSettings(QTemporaryDir().path() + QStringLiteral("/Glyphsmith.ini"));
    SingleInstance first(key);
    ASSERT_TRUE(first.claim());
    QSignalSpy activated(&first, &SingleInstance::activationRequested);

    SingleInstance second(key);
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(second.activateRunning());
    EXPECT_TRUE(activated.wait(3000) || activated.count() == 1);
    EXPECT_EQ(activated.count(), 1);
}

TEST(SingleInstanceTest, KeysDifferPerSettingsFileAndAreFreeAgainWhenTheFirstEnds) {
    EXPECT_NE(SingleInstance::keyForSettings(QStringLiteral("/a/Glyphsmith.ini")),
              SingleInstance::keyForSettings(QStringLiteral("/b/Glyphsmith.ini")));
    EXPECT_EQ(SingleInstance::keyForSettings(QStringLiteral("/a/Glyphsmith.ini")),
              SingleInstance::keyForSettings(QStringLiteral("/a//Glyphsmith.ini")));
    const QString key =
        SingleInstance::keyForSettings(QTemporaryDir().path() + QStringLiteral("/x.ini"));
    {
        SingleInstance first(key);
        ASSERT_TRUE(first.claim());
    }
    SingleInstance next(key);
    EXPECT_TRUE(next.claim());
}

}  // namespace
