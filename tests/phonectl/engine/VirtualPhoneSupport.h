// The control tests against the real engine and its virtual phone: the
// phone's state (and every other per-user file) lives in a folder of this
// process's own, removed when the program ends.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QTest>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace enginetest {

class StateFolder : public ::testing::Environment {
public:
    explicit StateFolder(std::string path) : path_(std::move(path)) {}
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

private:
    std::string path_;
};

inline const bool kStateFolderReady = [] {
    unsetenv("PHONEENG_LIBRARY");
    std::string pattern = std::filesystem::temp_directory_path() / "phonectl-engine-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        return false;
    }
    for (const char *name : {"PHONEENG_VIRTUAL_DIR", "HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
        setenv(name, pattern.c_str(), 1);
    }
    ::testing::AddGlobalTestEnvironment(new StateFolder(pattern));
    return true;
}();

// Runs step() and the event loop until done() holds, for at most ten seconds.
inline bool waitFor(
    const std::function<bool()> &done, const std::function<void()> &step = [] {}) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < end) {
        step();
        if (done()) {
            return true;
        }
        QTest::qWait(20);
    }
    return false;
}

}  // namespace enginetest
