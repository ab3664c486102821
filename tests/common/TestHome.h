// A private temporary folder per test or per program (tests run in parallel),
// removed with everything in it when the object goes. When asked, HOME, the
// XDG configuration and data folders and the virtual phone's folder point
// into it, so nothing a test does reaches the user's own files.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class TestHome {
public:
    enum class Environment { Keep, PointHere };

    explicit TestHome(Environment env = Environment::Keep) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "glyphsmith-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "mkdtemp failed";
            return;
        }
        path_ = pattern;
        if (env == Environment::PointHere) {
            ::setenv("HOME", path_.c_str(), 1);
            ::setenv("XDG_CONFIG_HOME", file(".config").c_str(), 1);
            ::setenv("XDG_DATA_HOME", file(".local/share").c_str(), 1);
            ::setenv("PHONEENG_VIRTUAL_DIR", path_.c_str(), 1);
        }
    }
    ~TestHome() {
        std::error_code ignored;
        // A test may have taken the owner's rights away to make writes fail.
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TestHome(const TestHome &) = delete;
    TestHome &operator=(const TestHome &) = delete;

    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "/" + name; }

    // Writes `name` in the folder and gives its path.
    std::string write(const std::string &name, const std::vector<uint8_t> &bytes) const {
        writeFile(file(name), std::string(bytes.begin(), bytes.end()));
        return file(name);
    }
    std::string write(const std::string &name, const std::string &text) const {
        writeFile(file(name), text);
        return file(name);
    }

    static std::vector<uint8_t> read(const std::string &path) {
        std::ifstream in(path, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
    }
    static std::string readText(const std::string &path) {
        const std::vector<uint8_t> bytes = read(path);
        return std::string(bytes.begin(), bytes.end());
    }
    static void writeFile(const std::string &path, const std::string &bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }

    // Names in the folder, for checking that no temporary file was left.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto &e : std::filesystem::directory_iterator(path_)) {
            names.push_back(e.path().filename().string());
        }
        return names;
    }

private:
    std::string path_;
};

// One TestHome for the whole program, made before the first test runs, for
// programs whose state (a loaded engine, a settings object) lives as long as
// the process: `inline const bool kHomeReady = programHome();`
inline bool programHome() {
    static TestHome *home = new TestHome(TestHome::Environment::PointHere);
    struct Remove : ::testing::Environment {
        void TearDown() override { delete home; }
    };
    static const bool added = (::testing::AddGlobalTestEnvironment(new Remove), true);
    return added && !home->path().empty();
}
