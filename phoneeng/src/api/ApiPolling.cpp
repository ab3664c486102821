// The polling group: events wait in the current link's mailbox until polled.
#include "phone/ApiSupport.h"
#include "phoneeng.h"
#include "util/Barrier.h"

using namespace phoneeng;

namespace {

// Runs f on the current link's mailbox; `none` without a link.
template <class F>
int32_t withEvents(int32_t none, F &&f) {
    return withPhone<int32_t>(none, [&](Phone &phone, PhoneLink &link) {
        LinkEvents *events = phone.events(link.session());
        return events ? f(*events) : none;
    });
}

int32_t takeFlag(bool &flag) {
    const bool was = flag;
    flag = false;
    return was ? 1 : 0;
}

}  // namespace

extern "C" {

int32_t incomingevent(void) {
    return barrier(int32_t{0}, [&]() -> int32_t {
        return withEvents(0, [](LinkEvents &e) { return takeFlag(e.incomingCall); });
    });
}

int16_t incoming(char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return textFromPhone(buf, len, [](Phone &phone, PhoneLink &, std::string &text) {
            text = phone.ringingNumber();
            return PE_OK;
        });
    });
}

int16_t incomingname(char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return textFromPhone(buf, len, [](Phone &phone, PhoneLink &, std::string &text) {
            text = phone.ringingName();
            return PE_OK;
        });
    });
}

int32_t smsreceivedcount(void) {
    return barrier(int32_t{0}, [&]() -> int32_t {
        return withEvents(0, [](LinkEvents &e) { return e.receivedCount; });
    });
}

int32_t getsmssendack(int32_t *data, int32_t *ack) {
    return barrier(int32_t{0}, [&]() -> int32_t {
        return withEvents(0, [&](LinkEvents &e) {
            if (e.acks.empty()) {
                return 0;
            }
            const SendAck a = e.acks.front();
            e.acks.pop_front();
            valueOut(data, a.reference);
            valueOut(ack, a.delivered ? 1 : 0);
            return 1;
        });
    });
}

int32_t bitmap_received(void) {
    return barrier(int32_t{0}, [&]() -> int32_t {
        return withEvents(0, [](LinkEvents &e) { return takeFlag(e.logoArrived); });
    });
}

}  // extern "C"
