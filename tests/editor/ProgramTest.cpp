// The program itself, started as a process on the offscreen platform.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "shell/SingleInstance.h"

namespace {

const QString kProgram = QStringLiteral(GLYPHSMITH_BINARY_DIR "/bin/glyphsmith");

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFileInfo(kProgram).isExecutable()) {
            GTEST_SKIP() << "the program is not built";
        }
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path() + QStringLiteral("/.config"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.path() + QStringLiteral("/.local/share"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), dir.path() + QStringLiteral("/.cache"));
        env.insert(QStringLiteral("PHONEENG_VIRTUAL_DIR"), dir.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("GLYPHSMITH_PORT"), dir.path() + QStringLiteral("/no-port"));
    }
    void TearDown() override {
        if (first.state() != QProcess::NotRunning) {
            first.terminate();
            if (!first.waitForFinished(5000)) {
                first.kill();
                first.waitForFinished(5000);
            }
        }
        // what the ended program leaves behind
        QFile::remove(QDir::tempPath() + u'/' + key() + QStringLiteral(".lock"));
        QLocalServer::removeServer(key());
    }
    QString key() const {
        return glyphsmith::SingleInstance::keyForSettings(
            dir.path() + QStringLiteral("/.config/Glyphsmith.ini"));
    }
    bool firstIsListening() {
        QLocalSocket socket;
        socket.connectToServer(key());
        return socket.waitForConnected(200);
    }

    QTemporaryDir dir;
    QProcessEnvironment env;
    QProcess first;
};

TEST_F(ProgramTest, SecondStartActivatesTheFirstAndEnds) {
    first.setProcessEnvironment(env);
    first.setProcessChannelMode(QProcess::ForwardedChannels);
    first.start(kProgram, {});
    ASSERT_TRUE(first.waitForStarted(10000));
    ASSERT_TRUE(QTest::qWaitFor([this] { return firstIsListening(); }, 20000));

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(kProgram, {});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
}

}  // namespace
