// A link over a serial device (a cable to a real phone). The device is
// opened raw at 115200 baud with DTR on and given a bounded time to show a
// phone on the line. Speaking to real phones is not part of the engine yet:
// a device that opens but stays silent gives PE_TIMEOUT, one that answers
// PE_NOT_SUPPORTED, so no serial link comes up for now.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "phone/PhoneLink.h"

namespace phoneeng {

class SerialLink final : public PhoneLink {
public:
    static constexpr std::chrono::milliseconds kDefaultAnswerTimeout{3000};

    // PE_NO_SUCH_PORT at once for a device that does not exist, cannot be
    // opened or is no terminal; otherwise waits at most `answerTimeout`.
    static int16_t open(const std::string &device, std::chrono::milliseconds answerTimeout,
                        std::unique_ptr<SerialLink> &link);

    ~SerialLink() override;
    SerialLink(const SerialLink &) = delete;
    SerialLink &operator=(const SerialLink &) = delete;

    bool alive() const override { return fd_ >= 0; }
    Phone *phone() override { return nullptr; }
    int32_t session() const override { return 0; }

private:
    explicit SerialLink(int fd) : fd_(fd) {}
    int fd_ = -1;
};

}  // namespace phoneeng
