// The virtual phone at the far end of a serial line: creates a
// pseudo-terminal, prints the path of its terminal side, and answers FBUS 2
// on it (as a DCT3 phone would on its cable) until SIGINT or SIGTERM. Point
// gammu (connection "fbus") or the engine (port text = path + "F") at it.
// The phone's state is the virtual phone's own: PHONEENG_VIRTUAL_DIR says
// where it is kept, so the state seen here is the state the call set sees.
// Lines on standard input play the network's part: "ring NUMBER [NAME]"
// makes the phone ring, "hangup" ends the call.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <poll.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include "Engine.h"
#include "fbus/FbusResponder.h"
#include "phone/VirtualPhone.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int) {
    stopRequested = 1;
}

// The master side of a new pseudo-terminal in raw mode, its terminal
// side's path in `path`; -1 on failure (with a message printed).
int openPseudoTerminal(std::string &path) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    // Non-blocking, so that a client that stops reading cannot stall the phone.
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK) != 0) {
        std::perror("phoneeng-fbus-phone: pseudo-terminal");
        return -1;
    }
    const char *name = ::ptsname(master);
    if (!name) {
        std::perror("phoneeng-fbus-phone: ptsname");
        ::close(master);
        return -1;
    }
    path = name;
    // Raw from the start, so that no byte is changed or echoed before a
    // client sets the line up itself.
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave >= 0) {
        termios t{};
        if (::tcgetattr(slave, &t) == 0) {
            ::cfmakeraw(&t);
            ::cfsetspeed(&t, B115200);
            ::tcsetattr(slave, TCSANOW, &t);
        }
        ::close(slave);
    }
    return master;
}

// Takes the lines that have arrived on standard input; false once it has
// ended.
bool takeCommands(std::string &pending, phoneeng::VirtualPhone &phone) {
    pollfd pfd{STDIN_FILENO, POLLIN, 0};
    if (::poll(&pfd, 1, 0) <= 0) {
        return true;
    }
    char buf[256];
    const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
    if (n <= 0) {
        return false;
    }
    pending.append(buf, static_cast<size_t>(n));
    for (size_t end; (end = pending.find('\n')) != std::string::npos;) {
        const std::string line = pending.substr(0, end);
        pending.erase(0, end + 1);
        std::lock_guard lock(phoneeng::engineLock());
        if (line.rfind("ring ", 0) == 0) {
            const std::string rest = line.substr(5);
            const size_t blank = rest.find(' ');
            phone.ring(rest.substr(0, blank),
                       blank == std::string::npos ? "" : rest.substr(blank + 1));
        } else if (line == "hangup") {
            phone.hangUp();
        } else if (!line.empty()) {
            std::fprintf(stderr, "phoneeng-fbus-phone: unknown command '%s'\n", line.c_str());
        }
    }
    return true;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc > 1) {
        std::fprintf(stderr,
                     "usage: %s\n"
                     "Serves the virtual phone over FBUS 2 on a new pseudo-terminal and\n"
                     "prints its path. PHONEENG_VIRTUAL_DIR picks the phone's state folder.\n"
                     "Standard input takes \"ring NUMBER [NAME]\" and \"hangup\".\n",
                     argv[0]);
        return std::strcmp(argv[1], "--help") == 0 ? 0 : 2;
    }
    struct sigaction action {};
    action.sa_handler = onSignal;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    std::string path;
    const int master = openPseudoTerminal(path);
    if (master < 0) {
        return 1;
    }
    phoneeng::VirtualPhone *phone = nullptr;
    {
        std::lock_guard lock(phoneeng::engineLock());
        phone = &phoneeng::virtualPhone();
    }
    std::printf("%s\n", path.c_str());
    std::fflush(stdout);
    {
        phoneeng::fbus::FbusResponder responder(master, *phone);
        std::string pending;
        bool commands = true;
        while (!stopRequested) {
            commands = commands && takeCommands(pending, *phone);
            if (!responder.serveOnce(std::chrono::milliseconds(100))) {
                std::fprintf(stderr, "phoneeng-fbus-phone: the line failed\n");
                break;
            }
        }
    }
    ::close(master);
    return 0;
}
