// A private temporary folder per test (tests run in parallel), removed with
// everything in it when the test ends. Shared by the logo, ring tone and file
// tests of the engine.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class LogoTestDir {
public:
    LogoTestDir() {
        const char *tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/phoneeng-test-XXXXXX";
        if (char *made = ::mkdtemp(pattern.data())) {
            path_ = made;
        } else {
            ADD_FAILURE() << "mkdtemp failed";
        }
    }
    ~LogoTestDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    LogoTestDir(const LogoTestDir &) = delete;
    LogoTestDir &operator=(const LogoTestDir &) = delete;

    const std::string &path() const { return path_; }
    std::string file(const std::string &name) const { return path_ + "/" + name; }

    std::string write(const std::string &name, const std::vector<uint8_t> &bytes) const {
        const std::string p = file(name);
        std::ofstream out(p, std::ios::binary);
        out.write(reinterpret_cast<const char *>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return p;
    }
    std::string write(const std::string &name, const std::string &text) const {
        return write(name, std::vector<uint8_t>(text.begin(), text.end()));
    }
    static std::vector<uint8_t> read(const std::string &p) {
        std::ifstream in(p, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
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
