// Runs the glyphsmith-cli program in a temporary home of its own (the virtual
// phone's state included), and writes and reads logos as GSP text.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

namespace glyphsmith::test {

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

class CliHome {
public:
    CliHome() {
        env_ = QProcessEnvironment::systemEnvironment();
        for (const char *name :
             {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "PHONEENG_VIRTUAL_DIR"}) {
            env_.insert(QString::fromLatin1(name), dir_.path());
        }
    }
    QString path(const QString &name) const { return dir_.filePath(name); }
    void setEnv(const QString &name, const QString &value) { env_.insert(name, value); }

    CliRun run(const QStringList &args, const QString &program = QStringLiteral(CLI_PATH)) const {
        QProcess p;
        p.setProcessEnvironment(env_);
        p.setWorkingDirectory(dir_.path());
        p.start(program, args);
        p.waitForFinished(60000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromLocal8Bit(p.readAllStandardOutput()),
                QString::fromLocal8Bit(p.readAllStandardError())};
    }

    void write(const QString &name, const QByteArray &bytes) const {
        QFile f(path(name));
        QDir().mkpath(QFileInfo(f).absolutePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString &name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir dir_;
    QProcessEnvironment env_;
};

// GSP text of a w x h logo whose set pixels `isSet` tells.
inline QByteArray gspText(int w, int h, const std::function<bool(int, int)> &isSet) {
    QByteArray text;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            text += isSet(x, y) ? '0' : '1';
        }
        text += "\r\n";
    }
    return text;
}

// A pattern with no symmetry that marks every row, column and corner.
inline bool pattern(int x, int y) {
    return (x * 7 + y * 3) % 5 == 0 || x == y || (x + y) % 13 == 1;
}

}  // namespace glyphsmith::test
