#include "gammu/GammuLink.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "gammu/GammuErrors.h"
#include "gammu/GammuLibrary.h"
#include "gammu/GammuPort.h"

namespace phoneeng {

namespace {

std::chrono::milliseconds spentSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

}  // namespace

DeviceState probeDevice(const std::string &device) {
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0) {
        return errno == EACCES ? DeviceState::NoPermission : DeviceState::Missing;
    }
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return errno == EACCES || errno == EPERM ? DeviceState::NoPermission
                                                 : DeviceState::CannotOpen;
    }
    const bool terminal = ::isatty(fd) != 0;
    ::close(fd);
    return terminal ? DeviceState::Ready : DeviceState::NotTerminal;
}

int16_t GammuLink::open(const PortName &port, int32_t type, std::chrono::milliseconds budget,
                        std::unique_ptr<GammuLink> &link) {
    link.reset();
    if (!gammuLibraryError().empty()) {
        return PE_NOT_SUPPORTED;
    }
    if (port.kind == PortName::Kind::Serial && probeDevice(port.device) != DeviceState::Ready) {
        return PE_NO_SUCH_PORT;
    }
    const auto start = std::chrono::steady_clock::now();
    // An earlier attempt that was given up on may still be letting go; it
    // gets half the budget.
    if (port.kind == PortName::Kind::Serial &&
        !GammuMachine::waitForDevice(port.device, budget / 2)) {
        return PE_TIMEOUT;
    }
    std::shared_ptr<GammuMachine> machine = GammuMachine::create(budget);
    if (!machine) {
        return PE_PHONE_ERROR;
    }
    if (port.kind == PortName::Kind::Serial) {
        machine->watchDevice(port.device);
    }
    machine->setBudget(std::max(kGammuMinimumBudget, budget - spentSince(start)));
    GSM_Error error = configureGammu(machine->state(), port, type);
    if (error == ERR_NONE) {
        error = machine->connect();
    }
    if (error != ERR_NONE) {
        machine->disconnect();  // a failed init may have left the device open
        return codeOfGammuError(error);
    }
    // The identity is read within what is left of the budget, so that the
    // whole init stays within the bound.
    machine->setBudget(std::max(kGammuMinimumBudget, budget - spentSince(start)));
    auto phone = std::make_unique<GammuPhone>(machine);
    machine->setBudget(budget);
    if (!phone->alive()) {
        return PE_TIMEOUT;
    }
    link.reset(new GammuLink(std::move(phone)));
    return PE_OK;
}

}  // namespace phoneeng
