// A serial device that goes away while the engine talks to it over
// libgammu: the pseudo-terminal's master is closed mid-call. The call ends
// promptly with an error, and connecting again afterwards works.
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "VirtualTestSupport.h"

using namespace phoneeng;
using namespace std::chrono_literals;
using virtualtest::VirtualPhoneTest;

namespace {

struct Pty {
    int master = posix_openpt(O_RDWR | O_NOCTTY);
    std::string slave() const {
        return grantpt(master) == 0 && unlockpt(master) == 0 ? ptsname(master) : "";
    }
    // Reads what the engine sends for `after`, then closes the master: the
    // slave's user sees the line hang up.
    void vanishAfter(std::chrono::milliseconds after) {
        const auto end = std::chrono::steady_clock::now() + after;
        char buf[256];
        while (std::chrono::steady_clock::now() < end) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, 20) > 0 && (p.revents & POLLIN)) {
                sent += ::read(master, buf, sizeof buf) > 0;
            }
        }
        closeMaster();
    }
    void closeMaster() {
        if (master >= 0) {
            ::close(master);
            master = -1;
        }
    }
    ~Pty() { closeMaster(); }
    int sent = 0;
};

}  // namespace

TEST_F(VirtualPhoneTest, ADeviceThatVanishesMidCallGivesAnErrorAndAReconnectWorks) {
    constexpr auto budget = 8000ms;
    linkRegistry().setCallBudget(budget);
    for (const char *letter : {"F", "AF"}) {
        Pty pty;
        const std::string port = pty.slave() + letter;
        std::thread device([&pty] { pty.vanishAfter(400ms); });
        const auto start = std::chrono::steady_clock::now();
        const int16_t result = init(port.c_str(), PE_CONNECTION_SERIAL);
        const auto spent = std::chrono::steady_clock::now() - start;
        device.join();
        EXPECT_GT(pty.sent, 0) << port << ": the engine was talking to the device";
        EXPECT_TRUE(result == PE_NOT_CONNECTED || result == PE_NO_SUCH_PORT) << result;
        // ended by the hang-up (and libgammu's abort), long before the budget
        EXPECT_LT(spent, 4000ms) << port;
        EXPECT_EQ(isalive(), 0);

        // another device that is there but silent times out as usual
        linkRegistry().setCallBudget(300ms);
        Pty other;
        EXPECT_EQ(init((other.slave() + letter).c_str(), PE_CONNECTION_SERIAL), PE_TIMEOUT);
        linkRegistry().setCallBudget(budget);
    }
    linkRegistry().setCallBudget(0ms);
    ASSERT_EQ(init("VIRTUAL", PE_CONNECTION_SERIAL), PE_OK);
    EXPECT_EQ(isalive(), 1);
    ASSERT_EQ(logo_setdata(PE_LOGO_OPERATOR, "244 05"), PE_OK);
    EXPECT_EQ(logo_upload(), PE_OK);
}
