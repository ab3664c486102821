// A main window on a private home, for tests that drive the real window.
#pragma once

#include <memory>

#include "EditorTestSupport.h"
#include "shell/FrmMain.h"

namespace glyphsmith::test {

// A main window on a private home; `start()` runs its start-up.
class MainWindowTest : public ::testing::Test {
protected:
    FrmMain &window() {
        if (!window_) {
            window_ = std::make_unique<FrmMain>(home.env, commandLine);
        }
        return *window_;
    }
    FrmMain &start() {
        window().startUp();
        return *window_;
    }
    // Runs the option button handler of logo kind `kind`.
    void choose(int kind) {
        void (FrmMain::*const handlers[])() = {
            &FrmMain::optOperator_Click, &FrmMain::optCallerGroup_Click, &FrmMain::optPicture_Click,
            &FrmMain::optStartup_Click};
        (window().*handlers[kind])();
    }
    template <typename T>
    T *child(const char *name) {
        T *w = window().findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void TearDown() override {
        home.messages->answers.clear();
        window_.reset();
    }

    EditorHome home;
    QString commandLine;
    std::unique_ptr<FrmMain> window_;
};

}  // namespace glyphsmith::test
