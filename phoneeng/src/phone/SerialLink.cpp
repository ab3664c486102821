#include "phone/SerialLink.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "phoneeng.h"

namespace phoneeng {

namespace {

// Waits for the first bytes from the device; true when some arrived.
bool waitForAnswer(int fd, std::chrono::milliseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + timeout;
    while (true) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd p{fd, POLLIN, 0};
        const int n = ::poll(&p, 1, static_cast<int>(left.count()));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        if (p.revents & POLLIN) {
            char buf[64];
            const ssize_t got = ::read(fd, buf, sizeof buf);
            if (got > 0) {
                return true;
            }
            if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
                continue;
            }
        }
        return false;  // hung up or failed: nothing on the line
    }
}

}  // namespace

int16_t SerialLink::open(const std::string &device, std::chrono::milliseconds answerTimeout,
                         std::unique_ptr<SerialLink> &link) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return PE_NO_SUCH_PORT;
    }
    if (!::isatty(fd)) {
        ::close(fd);
        return PE_NO_SUCH_PORT;
    }
    termios tio{};
    if (::tcgetattr(fd, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::cfsetispeed(&tio, B115200);
        ::cfsetospeed(&tio, B115200);
        tio.c_cflag |= CLOCAL | CREAD;
        ::tcsetattr(fd, TCSANOW, &tio);
    }
    int dtr = TIOCM_DTR;
    ::ioctl(fd, TIOCMBIS, &dtr);  // not every device has modem lines
    ::tcflush(fd, TCIFLUSH);
    const bool answered = waitForAnswer(fd, answerTimeout);
    ::close(fd);
    link.reset();
    return answered ? PE_NOT_SUPPORTED : PE_TIMEOUT;
}

SerialLink::~SerialLink() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

}  // namespace phoneeng
