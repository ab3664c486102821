#include "fbus/FbusResponder.h"

#include <mutex>

#include "Engine.h"
#include "fbus/FbusSmsHandler.h"
#include "logo/ByteIo.h"

namespace phoneeng::fbus {

FbusResponder::FbusResponder(int fd, Phone &phone) : channel_(fd), phone_(phone) {
    std::lock_guard lock(engineLock());
    session_ = phone_.openSession();
}

FbusResponder::~FbusResponder() {
    std::lock_guard lock(engineLock());
    phone_.closeSession(session_);
}

bool FbusResponder::serveOnce(std::chrono::milliseconds timeout) {
    bool alive = true;
    const auto requests = channel_.receive(timeout, alive);
    std::lock_guard lock(engineLock());
    FbusContext context{phone_, session_};
    for (const FbusMessage &request : requests) {
        for (const FbusMessage &answer : dispatcher_.dispatch(request, context)) {
            // An answer the line will not take is lost, as on a cable; the
            // computer asks again.
            channel_.send(answer);
        }
    }
    phone_.pump();
    notify();
    return alive;
}

void FbusResponder::notify() {
    LinkEvents *events = phone_.events(session_);
    if (!events) {
        return;
    }
    if (events->incomingCall) {
        events->incomingCall = false;
        // The call set's form of an international number ("D" for "+") is
        // not what goes on the line.
        std::string number = phone_.ringingNumber().substr(0, 40);
        if (!number.empty() && number.front() == 'D') {
            number.front() = '+';
        }
        const std::string name = phone_.ringingName().substr(0, 40);
        // [6] number length, number, name length, name
        FbusMessage notice = reply(0x01, 0x05, {0x00, 0x00, static_cast<uint8_t>(number.size())});
        bytes::putText(notice.body, number);
        notice.body.push_back(static_cast<uint8_t>(name.size()));
        bytes::putText(notice.body, name);
        channel_.send(notice);
    }
    // Messages that arrived since the last look are the newest of the inbox.
    const auto &inbox = phone_.messages(SmsBox::Inbox);
    const auto arrived = static_cast<size_t>(std::max(events->receivedCount, 0));
    events->receivedCount = 0;
    const size_t from = inbox.size() > arrived ? inbox.size() - arrived : 0;
    for (size_t i = from; i < inbox.size(); ++i) {
        channel_.send(incomingSmsNotice(inbox[i]));
    }
    // Send acknowledgements are answered with the send itself; none wait here.
    events->acks.clear();
}

}  // namespace phoneeng::fbus
