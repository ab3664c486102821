// The phone's end of an FBUS cable: answers the computer's requests on a
// line from a phone's state and tells the computer of calls and messages
// that arrive. Opens a session with the phone for its lifetime.
#pragma once

#include <chrono>
#include <cstdint>

#include "fbus/FbusChannel.h"
#include "fbus/FbusDispatcher.h"
#include "phone/Phone.h"

namespace phoneeng::fbus {

class FbusResponder {
public:
    // `fd` and `phone` stay owned by the caller and alive for the
    // responder's lifetime. Takes engineLock() while it uses the phone.
    FbusResponder(int fd, Phone &phone);
    ~FbusResponder();
    FbusResponder(const FbusResponder &) = delete;
    FbusResponder &operator=(const FbusResponder &) = delete;

    // Waits at most `timeout` for requests, answers those that are whole,
    // then sends notices of what arrived. False once the line has failed
    // for good (not when nobody has it open or it does not drain).
    bool serveOnce(std::chrono::milliseconds timeout);

    const ChannelStats &stats() const { return channel_.stats(); }

private:
    void notify();

    FbusChannel channel_;
    FbusDispatcher dispatcher_;
    Phone &phone_;
    int32_t session_ = 0;
};

}  // namespace phoneeng::fbus
