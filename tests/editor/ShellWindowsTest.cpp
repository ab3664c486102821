// The splash, the help window, the options dialog, the single-instance
// lock, and the program itself started as a process on the offscreen
// platform.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "EditorTestSupport.h"
#include "MainWindowTest.h"
#include "shell/FrmMain.h"
#include "shell/FrmOptions.h"
#include "shell/FrmSplash.h"
#include "shell/HelpWindow.h"
#include "shell/Settings.h"
#include "shell/SingleInstance.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

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

TEST(ProgramTest, SecondStartActivatesTheFirstAndEnds) {
    const QString program = QStringLiteral(GLYPHSMITH_BINARY_DIR "/bin/glyphsmith");
    if (!QFileInfo(program).isExecutable()) {
        GTEST_SKIP() << "the program is not built";
    }
    EditorHome home;  // HOME and the XDG folders point into it
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("GLYPHSMITH_PORT"), home.env.portOverride);
    const QString key = SingleInstance::keyForSettings(home.env.paths.settingsFile);
    QProcess first, second;
    first.setProcessEnvironment(env);
    second.setProcessEnvironment(env);
    first.setProcessChannelMode(QProcess::ForwardedChannels);
    first.start(program, {});
    const auto firstListens = [&] {
        QLocalSocket socket;
        socket.connectToServer(key);
        return socket.waitForConnected(200);
    };
    const bool listening = first.waitForStarted(10000) && QTest::qWaitFor(firstListens, 20000);
    EXPECT_TRUE(listening);
    if (listening) {
        second.start(program, {});
        EXPECT_TRUE(second.waitForFinished(20000));
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_EQ(first.state(), QProcess::Running);
    }
    first.terminate();
    if (!first.waitForFinished(5000)) {
        first.kill();
        first.waitForFinished(5000);
    }
    // what the ended program leaves behind
    QFile::remove(QDir::tempPath() + u'/' + key + QStringLiteral(".lock"));
    QLocalServer::removeServer(key);
}

class FrmOptionsTest : public ::testing::Test {
protected:
    QString setting(const char *key) {
        return ReadSetting(home.env.paths.settingsFile, QStringLiteral("RunStatus"),
                           QString::fromLatin1(key), QStringLiteral("<missing>"));
    }
    template <class T = QComboBox>
    static T *in(const FrmOptions &dialog, const char *name) {
        return dialog.findChild<T *>(QString::fromLatin1(name));
    }
    QStringList items(QComboBox *box) {
        QStringList list;
        for (int i = 0; i < box->count(); ++i) {
            list << box->itemText(i);
        }
        return list;
    }

    EditorHome home;
    FixedPorts ports{{QStringLiteral("COM1"), QStringLiteral("COM2")}};
};

TEST_F(FrmOptionsTest, PortListHasTheSettingFirstThenEveryFreePortThenTheVirtualPhone) {
    home.writeSettings(
        {QStringLiteral("ComPort=COM2"), QStringLiteral("DefaultLogo=Startup Logo")});
    FrmOptions dialog(home.env.paths.settingsFile, &ports);
    auto *port = in(dialog, "cmbPort");
    auto *screens = in(dialog, "cmbLogoScreens");
    ASSERT_TRUE(port && screens);
    EXPECT_EQ(items(port), (QStringList{"COM2", "COM1", "COM2", "VIRTUAL"}));
    EXPECT_EQ(port->currentText(), QStringLiteral("COM2"));
    EXPECT_TRUE(port->isEditable());
    EXPECT_EQ(items(screens), (QStringList{"Operator Logo", "CallerGroup Logo",
                                           "PictureMessage Logo", "Startup Logo"}));
    EXPECT_EQ(screens->currentText(), QStringLiteral("Startup Logo"));
    EXPECT_TRUE(screens->isEditable());
    EXPECT_EQ(ports.calls, 1);
}

TEST_F(FrmOptionsTest, OkWritesOnlyNonEmptyTextsAndStoresTheChoices) {
    home.writeSettings(
        {QStringLiteral("ComPort=COM2"), QStringLiteral("DefaultLogo=Operator Logo")});
    FrmOptions dialog(home.env.paths.settingsFile, &ports);
    in(dialog, "cmbPort")->setEditText(QString());
    in(dialog, "cmbLogoScreens")->setEditText(QStringLiteral("startup"));
    in<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(setting("ComPort"), QStringLiteral("COM2"));
    EXPECT_EQ(setting("DefaultLogo"), QStringLiteral("startup"));
    // a chosen port and default screen are stored
    FrmOptions again(home.env.paths.settingsFile, &ports);
    in(again, "cmbPort")->setCurrentIndex(3);
    in(again, "cmbLogoScreens")->setCurrentIndex(3);
    again.cmdOK_Click();
    EXPECT_EQ(setting("ComPort"), QStringLiteral("VIRTUAL"));
    EXPECT_EQ(setting("DefaultLogo"), QStringLiteral("Startup Logo"));
}

TEST_F(FrmOptionsTest, CancelWritesNothing) {
    FrmOptions dialog(home.env.paths.settingsFile, &ports);
    in(dialog, "cmbPort")->setEditText(QStringLiteral("COM4"));
    in<QPushButton>(dialog, "cmdCancel")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(QFileInfo::exists(home.env.paths.settingsFile));
    // with no settings: an empty port and the operator logo
    EXPECT_EQ(in(dialog, "cmbLogoScreens")->currentText(), QStringLiteral("Operator Logo"));
}

TEST_F(FrmOptionsTest, TestConnectionShowsTheReportForThePortInTheBox) {
    QString tried;
    FrmOptions dialog(home.env.paths.settingsFile, &ports, nullptr, [&](const QString &port) {
        tried = port;
        return QStringLiteral("[FAILED] no answer");
    });
    in(dialog, "cmbPort")->setEditText(QStringLiteral("COM2"));
    in<QPushButton>(dialog, "cmdTestConnection")->click();
    EXPECT_EQ(tried, QStringLiteral("COM2"));
    auto *report = in<QPlainTextEdit>(dialog, "txtTestReport");
    ASSERT_TRUE(report);
    EXPECT_EQ(report->toPlainText(), QStringLiteral("[FAILED] no answer"));
    EXPECT_EQ(setting("ComPort"), QStringLiteral("<missing>"));  // testing saves nothing
}

}  // namespace
