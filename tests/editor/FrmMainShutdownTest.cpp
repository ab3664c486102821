#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

TEST_F(ShutdownTest, ModifiedLogoAnsweredNoClosesWithOneQuestion) {
    window_->document().bModified = true;
    home.messages->answers = {false};
    EXPECT_TRUE(window_->close());
    ASSERT_EQ(home.messages->shown.size(), 1u);
    EXPECT_EQ(home.messages->shown[0].title, QStringLiteral("Logo Not Saved"));
    EXPECT_EQ(home.messages->shown[0].text, QStringLiteral("Save current edited logo?"));
    EXPECT_TRUE(home.messages->shown[0].question);
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(ShutdownTest, ModifiedLogoAnsweredYesWithSaveAsCancelledStillCloses) {
    window_->document().bModified = true;
    home.messages->answers = {true};
    glyphsmith::test::ModalScript script;
    script.cancel();
    EXPECT_TRUE(window_->close());
    EXPECT_TRUE(script.done());
    EXPECT_EQ(home.messages->shown.size(), 1u);
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(ShutdownTest, UnmodifiedLogoClosesWithoutAQuestion) {
    window_->mnuExit->trigger();
    EXPECT_TRUE(home.messages->shown.empty());
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(ShutdownTest, ShutdownRunsOnceAndDeletesTheScratchBitmap) {
    const QString scratch = home.env.paths.scratchBitmap();
    QDir().mkpath(QFileInfo(scratch).absolutePath());
    {
        QFile f(scratch);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("BM");
    }
    window_->document().bModified = true;
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

}  // namespace
