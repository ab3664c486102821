#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QPushButton>
#include <functional>

#include "FileDialogScript.h"
#include "MainWindowTest.h"
#include "shell/FrmBackground.h"

using namespace glyphsmith;
using glyphsmith::test::MainWindowTest;

namespace {

class ShutdownTest : public MainWindowTest {
protected:
    void SetUp() override {
        home.writeSettings({});
        start();
    }
};

TEST_F(ShutdownTest, OnlyAModifiedLogoIsAskedForAndEveryAnswerCloses) {
    window_->ui().mnuExit->trigger();
    EXPECT_TRUE(home.messages->shown.empty()) << "unmodified: no question";
    EXPECT_FALSE(window_->isVisible());
    for (const bool yes : {false, true}) {  // Yes with Save As cancelled closes too
        home.messages->shown.clear();
        window_.reset();
        start().document().setModified(true);
        home.messages->answers = {yes};
        glyphsmith::test::ModalScript script;
        if (yes) {
            script.cancel();
        }
        EXPECT_TRUE(window_->close());
        EXPECT_TRUE(script.done());
        ASSERT_EQ(home.messages->shown.size(), 1u);
        EXPECT_EQ(home.messages->shown[0].text, QStringLiteral("Save current edited logo?"));
        EXPECT_FALSE(window_->isVisible());
    }
}

TEST_F(ShutdownTest, ShutdownRunsOnceAndDeletesTheScratchBitmap) {
    const QString scratch = home.env.paths.scratchBitmap();
    QDir().mkpath(QFileInfo(scratch).absolutePath());
    {
        QFile f(scratch);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("BM");
    }
    window_->document().setModified(true);
    window_->close();
    window_->close();
    EXPECT_FALSE(QFileInfo::exists(scratch));
    EXPECT_EQ(home.messages->shown.size(), 1u);
}

TEST_F(ShutdownTest, OtherEditorWindowsAreClosed) {
    FrmBackground background;
    background.show();
    QWidget splash;
    splash.setObjectName(QStringLiteral("frmSplash"));
    splash.show();
    QWidget unrelated;
    unrelated.setObjectName(QStringLiteral("somethingElse"));
    unrelated.show();
    window_->close();
    EXPECT_FALSE(background.isVisible());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(unrelated.isVisible());
}

// A close that arrives while a handler lets window messages run (the
// reconnect guard on a dead link) waits for the handler: the window is never
// deleted under it, and closes afterwards.
TEST(ShutdownDuringHandlerTest, TheWindowOutlivesItsOwnHandlers) {
    using Run = std::function<void(FrmMain &)>;
    const std::pair<const char *, Run> handlers[] = {
        {"start-up", [](FrmMain &w) { w.startUp(); }},
        {"New", [](FrmMain &w) { w.ui().cmdNew->click(); }},
        {"Open", [](FrmMain &w) { w.ui().mnuOpen->trigger(); }},
        {"Save", [](FrmMain &w) { w.ui().CmdSave->click(); }},
        {"Download", [](FrmMain &w) { w.ui().cmdDownload->click(); }},
        {"Upload", [](FrmMain &w) { w.ui().cmdUpload->click(); }},
        {"Restart", [](FrmMain &w) { w.ui().mnuRestart->trigger(); }},
    };
    glyphsmith::test::EditorHome home;
    home.writeSettings({});
    for (const auto &[name, run] : handlers) {
        auto *w = new FrmMain(home.env);
        w->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<FrmMain> alive(w);
        if (std::string(name) != "start-up") {
            w->startUp();
            w->ui().cmdUpload->setEnabled(true);  // as a capability gate would leave them
            w->ui().cmdDownload->setEnabled(true);
        }
        glyphsmith::test::ModalScript script;  // the file dialogs of Open and Save
        script.cancel();
        QMetaObject::invokeMethod(
            w, [w] { w->close(); }, Qt::QueuedConnection);
        run(*w);
        ASSERT_TRUE(alive) << name << ": deleted under its own handler";
        for (int i = 0; i < 20 && alive; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        EXPECT_FALSE(alive) << name << ": the close was lost";
        delete alive.data();
    }
}

}  // namespace
