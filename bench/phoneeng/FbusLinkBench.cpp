// A startup logo up and down through the engine's libgammu link and
// phoneeng-fbus-phone on a pseudo-terminal, against the time its frames
// would take on a 115200-baud line (the counter x_wire; goal: below 2).
#include <benchmark/benchmark.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "Engine.h"
#include "fbus/FbusFrame.h"
#include "logo/Logo.h"
#include "phoneeng.h"

using namespace phoneeng;

namespace {

// Bytes on the line for a message of `body` bytes: its frames, each
// acknowledged by a 10-byte frame.
size_t lineBytes(size_t body) {
    size_t total = 0;
    for (size_t left = body;; left -= std::min(left, fbus::kMaxPart)) {
        const size_t data = std::min(left, fbus::kMaxPart) + 2;
        total += fbus::kHeaderSize + data + data % 2 + 2 + 10;
        if (left <= fbus::kMaxPart) {
            break;
        }
    }
    return total;
}

// Upload: set request (512 bytes) and its answer (4); download: the request
// (4) and the answer (514).
double wireSeconds() {
    const size_t bytes = lineBytes(512) + lineBytes(4) + lineBytes(4) + lineBytes(514);
    return static_cast<double>(bytes) * 10.0 / 115200.0;
}

void BM_FbusStartupLogoUpDown(benchmark::State &state) {
    char dir[] = "/tmp/glyphsmith-bench-XXXXXX";
    if (!::mkdtemp(dir)) {
        state.SkipWithError("mkdtemp");
        return;
    }
    ::setenv("PHONEENG_VIRTUAL_DIR", dir, 1);
    int out[2];
    if (::pipe(out) != 0) {
        state.SkipWithError("pipe");
        return;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::execl(FBUS_PHONE_PATH, FBUS_PHONE_PATH, static_cast<char *>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    std::string path;
    pollfd pfd{out[0], POLLIN, 0};
    char c = 0;
    while (::poll(&pfd, 1, 5000) > 0 && ::read(out[0], &c, 1) == 1 && c != '\n') {
        path.push_back(c);
    }
    ::close(out[0]);

    if (init((path + "F").c_str(), PE_CONNECTION_SERIAL) != PE_OK) {
        state.SkipWithError("no link to the phone");
    } else {
        Logo logo;
        logo.setType(LogoType::Startup);
        for (int i = 0; i < logo.width() * logo.height(); i += 3) {
            logo.setPixel(i % logo.width(), i / logo.width(), true);
        }
        const auto start = std::chrono::steady_clock::now();
        for (auto _ : state) {
            engine().logo = logo;
            if (logo_upload() != PE_OK || logo_download(PE_LOGO_STARTUP) != PE_OK) {
                state.SkipWithError("transfer failed");
                break;
            }
        }
        state.counters["wire_ms"] = wireSeconds() * 1000.0;
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        state.counters["x_wire"] =
            spent.count() / (static_cast<double>(state.iterations()) * wireSeconds());
        terminate();
    }
    ::kill(child, SIGTERM);
    ::waitpid(child, nullptr, 0);
    std::system((std::string("rm -rf ") + dir).c_str());
}
BENCHMARK(BM_FbusStartupLogoUpDown)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace
