// Shared pieces of the editor tests: a private home folder per test, message
// boxes that answer from a script, a stand-in port prober and a fixed clock.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <QTime>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

#include "shell/EditorEnvironment.h"
#include "shell/MessageService.h"
#include "shell/PortProber.h"

namespace glyphsmith::test {

// Records every message box; questions are answered from `answers` (No when
// it runs out).
class ScriptedMessages : public MessageService {
public:
    struct Shown {
        QString title;
        QString text;
        bool question;
    };
    void information(QWidget *, const QString &title, const QString &text) override {
        shown.push_back({title, text, false});
    }
    bool askYesNo(QWidget *, const QString &title, const QString &text) override {
        shown.push_back({title, text, true});
        if (answers.empty()) {
            return false;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    std::vector<Shown> shown;
    std::deque<bool> answers;
};

class FixedPorts : public PortProber {
public:
    explicit FixedPorts(QStringList ports) : ports_(std::move(ports)) {}
    QStringList openablePorts() override {
        ++calls;
        return ports_;
    }
    int calls = 0;

private:
    QStringList ports_;
};

// A private home for one test: HOME and the XDG folders point into a
// temporary folder, and the environment of the editor is built on it. The
// phone port defaults to one that does not exist, so nothing real is opened.
class EditorHome {
public:
    EditorHome() {
        root = dir.path();
        qputenv("HOME", root.toUtf8());
        qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/.config")).toUtf8());
        qputenv("XDG_DATA_HOME", (root + QStringLiteral("/.local/share")).toUtf8());
        qputenv("XDG_CACHE_HOME", (root + QStringLiteral("/.cache")).toUtf8());
        qputenv("PHONEENG_VIRTUAL_DIR", (root + QStringLiteral("/virtual")).toUtf8());
        QDir().mkpath(root + QStringLiteral("/virtual"));
        messages = std::make_shared<ScriptedMessages>();
        ports = std::make_shared<FixedPorts>(QStringList{});
        env.paths = AppPaths::fromEnvironment();
        env.messages = messages;
        env.ports = ports;
        env.clock = [this] { return now; };
        env.refreshAssociations = [this](const QString &dataHome) { refreshed << dataHome; };
        env.portOverride = root + QStringLiteral("/no-such-port");
        env.firstRunWaitMs = 5000;
    }

    // Writes a settings file holding the given "RunStatus" lines (so that no
    // first run happens).
    void writeSettings(const QStringList &lines) const {
        QDir().mkpath(QFileInfo(env.paths.settingsFile).absolutePath());
        QFile f(env.paths.settingsFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[RunStatus]\n" + lines.join(QLatin1Char('\n')).toUtf8() + '\n');
    }

    QTemporaryDir dir;
    QString root;
    EditorEnvironment env;
    std::shared_ptr<ScriptedMessages> messages;
    std::shared_ptr<FixedPorts> ports;
    QStringList refreshed;
    QTime now = QTime(12, 0);
};

}  // namespace glyphsmith::test
