// phoneeng-fbus-phone as a child process for end-to-end tests: started on
// the test's own state folder (PHONEENG_VIRTUAL_DIR as set by the fixture),
// its pseudo-terminal path read within a time bound, and stopped (killed if
// it must be) when the object goes.
#pragma once

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "phoneeng.h"

class FbusPhoneProcess {
public:
    FbusPhoneProcess() {
        int out[2];
        int in[2];
        if (::pipe(out) != 0 || ::pipe(in) != 0) {
            ADD_FAILURE() << "pipe";
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::dup2(in[0], STDIN_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            ::close(in[0]);
            ::close(in[1]);
            const std::string program = GLYPHSMITH_BINARY_DIR "/bin/phoneeng-fbus-phone";
            ::execl(program.c_str(), program.c_str(), static_cast<char *>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(in[0]);
        commands_ = in[1];
        std::string line;
        pollfd pfd{out[0], POLLIN, 0};
        char c = 0;
        while (line.find('\n') == std::string::npos && ::poll(&pfd, 1, 5000) > 0 &&
               ::read(out[0], &c, 1) == 1) {
            line.push_back(c);
        }
        ::close(out[0]);
        path_ = line.substr(0, line.find('\n'));
        EXPECT_EQ(path_.rfind("/dev/", 0), 0u) << "no pseudo-terminal: '" << line << "'";
    }
    ~FbusPhoneProcess() {
        if (commands_ >= 0) {
            ::close(commands_);
        }
        if (pid_ <= 0) {
            return;
        }
        ::kill(pid_, SIGTERM);
        for (int i = 0; i < 50; ++i) {
            if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    FbusPhoneProcess(const FbusPhoneProcess &) = delete;
    FbusPhoneProcess &operator=(const FbusPhoneProcess &) = delete;

    const std::string &path() const { return path_; }
    // A line for the phone's standard input ("ring NUMBER", "hangup").
    void command(const std::string &line) {
        const std::string text = line + "\n";
        EXPECT_EQ(::write(commands_, text.data(), text.size()), static_cast<ssize_t>(text.size()))
            << std::strerror(errno) << " fd " << commands_;
    }

private:
    pid_t pid_ = -1;
    int commands_ = -1;
    std::string path_;
};

// The state the child has saved, read through the call set of this process
// (its virtual phone loaded afresh and connected).
inline void readSavedState() {
    ASSERT_EQ(phoneeng_virtual_reload(), PE_OK);
    ASSERT_EQ(init("VIRTUAL", PE_CONNECTION_SERIAL), PE_OK);
}
