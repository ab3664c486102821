#include "gammu/GammuMachine.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <condition_variable>
#include <map>
#include <thread>

#include "gammu/GammuLibrary.h"
#include "gammu/GammuText.h"

namespace phoneeng {

namespace {

// How long an aborted call is given to notice (libgammu looks at the abort
// flag about once a second).
constexpr std::chrono::milliseconds kAbortGrace{1500};
// How often a waiting call looks whether its device hung up.
constexpr std::chrono::milliseconds kHangUpCheck{50};

// The devices machines watch, with how many machines watch each.
struct BusyDevices {
    std::mutex mutex;
    std::condition_variable freed;
    std::map<std::string, int> count;
};

BusyDevices &busyDevices() {
    static BusyDevices *devices = new BusyDevices;  // outlives abandoned calls
    return *devices;
}

struct JobState {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    GSM_Error result = ERR_NONE;
};

}  // namespace

std::shared_ptr<GammuMachine> GammuMachine::create(std::chrono::milliseconds budget) {
    GSM_StateMachine *state = GSM_AllocStateMachine();
    if (!state) {
        return nullptr;
    }
    return std::shared_ptr<GammuMachine>(new GammuMachine(state, budget));
}

GammuMachine::~GammuMachine() {
    auto release = [state = state_, connected = connected_, fd = watchedFd_, device = watched_] {
        if (connected) {
            GSM_TerminateConnection(state);
        }
        GSM_FreeStateMachine(state);
        if (fd >= 0) {
            ::close(fd);
        }
        if (!device.empty()) {
            BusyDevices &busy = busyDevices();
            std::lock_guard lock(busy.mutex);
            if (--busy.count[device] <= 0) {
                busy.count.erase(device);
            }
            busy.freed.notify_all();
        }
    };
    // A broken machine's device may be dead, and libgammu's goodbye on it
    // can take seconds: it runs on a thread of its own, the device counting
    // as busy until it is done.
    if (broken_ && connected_) {
        try {
            std::thread(release).detach();
            return;
        } catch (...) {
            // no thread to be had: said goodbye here
        }
    }
    release();
}

void GammuMachine::watchDevice(const std::string &device) {
    if (!watched_.empty()) {
        return;
    }
    watched_ = device;
    watchedFd_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    BusyDevices &busy = busyDevices();
    std::lock_guard lock(busy.mutex);
    ++busy.count[device];
}

bool GammuMachine::waitForDevice(const std::string &device, std::chrono::milliseconds timeout) {
    BusyDevices &busy = busyDevices();
    std::unique_lock lock(busy.mutex);
    return busy.freed.wait_for(lock, timeout, [&] { return busy.count.count(device) == 0; });
}

bool GammuMachine::broken() const {
    std::lock_guard lock(mutex_);
    return broken_;
}

GSM_Error GammuMachine::run(Job job) {
    if (broken()) {
        return ERR_NOTCONNECTED;
    }
    auto js = std::make_shared<JobState>();
    std::thread worker;
    try {
        worker = std::thread([self = shared_from_this(), js, job = std::move(job)] {
            GSM_Error result = ERR_MOREMEMORY;
            try {
                result = job(self->state_);
            } catch (...) {
                // out of memory inside the job: nothing may leave the thread
            }
            std::lock_guard lock(js->mutex);
            js->result = result;
            js->finished = true;
            js->done.notify_all();
        });
    } catch (...) {
        return ERR_MOREMEMORY;  // no thread to be had
    }
    std::unique_lock lock(js->mutex);
    // Waits in slices so that a device that goes away mid-call (a cable
    // pulled, a terminal closed) ends the call at once, not at the budget.
    const auto deadline = std::chrono::steady_clock::now() + budget_;
    bool hungUp = false;
    while (!js->finished && !hungUp && std::chrono::steady_clock::now() < deadline) {
        js->done.wait_for(lock, std::min<std::chrono::steady_clock::duration>(
                                    kHangUpCheck, deadline - std::chrono::steady_clock::now()));
        hungUp = !js->finished && deviceHungUp();
    }
    if (!js->finished) {
        GSM_AbortOperation(state_);  // only sets a flag the call looks at
        const auto graceEnd = std::chrono::steady_clock::now() + kAbortGrace;
        while (!js->finished && std::chrono::steady_clock::now() < graceEnd) {
            if (watchedFd_ >= 0) {
                ::tcflush(watchedFd_, TCOFLUSH);
            }
            js->done.wait_for(lock, std::chrono::milliseconds(50));
        }
        const GSM_Error lost = hungUp || deviceHungUp() ? ERR_NOTCONNECTED : ERR_TIMEOUT;
        if (!js->finished) {
            lock.unlock();
            worker.detach();
            std::lock_guard guard(mutex_);
            broken_ = true;
            return lost;
        }
        lock.unlock();
        worker.join();
        std::lock_guard guard(mutex_);
        broken_ = true;  // an aborted machine stays aborted
        return lost;
    }
    const GSM_Error result = js->result;
    lock.unlock();
    worker.join();
    if (result != ERR_NONE && deviceHungUp()) {
        // a read or write error, or a time-out, because the device is gone
        std::lock_guard guard(mutex_);
        broken_ = true;
        return ERR_NOTCONNECTED;
    }
    return result;
}

bool GammuMachine::deviceHungUp() const {
    if (watchedFd_ < 0) {
        return false;
    }
    pollfd p{watchedFd_, 0, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

GSM_Error GammuMachine::connect() {
    GammuMachine *self = this;
    return run([self](GSM_StateMachine *s) {
        const GSM_Error error = GSM_InitConnection(s, 1);
        // A failed init may have left the device open.
        self->connected_ = true;
        if (error != ERR_NONE) {
            return error;
        }
        // Callbacks are cleared by the init, so they come after it.
        GSM_SetIncomingCallCallback(s, &GammuMachine::onCall, self);
        GSM_SetIncomingSMSCallback(s, &GammuMachine::onSms, self);
        GSM_SetSendSMSStatusCallback(s, &GammuMachine::onSendStatus, self);
        GSM_SetIncomingCall(s, TRUE);
        GSM_SetIncomingSMS(s, TRUE);
        return ERR_NONE;
    });
}

void GammuMachine::disconnect() {
    GammuMachine *self = this;
    run([self](GSM_StateMachine *s) {
        const GSM_Error error = self->connected_ ? GSM_TerminateConnection(s) : ERR_NONE;
        self->connected_ = false;
        return error;
    });
}

GammuMachine::Events GammuMachine::take() {
    std::lock_guard lock(mutex_);
    Events out = std::move(events_);
    events_ = Events{};
    events_.ringingNumber = out.ringingNumber;
    return out;
}

size_t GammuMachine::sendStatusCount() const {
    std::lock_guard lock(mutex_);
    return sendStatuses_;
}

void GammuMachine::onCall(GSM_StateMachine *, GSM_Call *call, void *self) {
    auto *m = static_cast<GammuMachine *>(self);
    std::lock_guard lock(m->mutex_);
    switch (call->Status) {
        case GSM_CALL_IncomingCall: {
            // Phones repeat the notice while they ring: one call counts once.
            if (!m->ringing_) {
                ++m->events_.incomingCalls;
            }
            m->ringing_ = true;
            m->events_.ringingNumber = latin1FromGammu(call->PhoneNumber);
            break;
        }
        case GSM_CALL_CallEnd:
        case GSM_CALL_CallRemoteEnd:
        case GSM_CALL_CallLocalEnd:
        case GSM_CALL_CallEstablished:
            m->ringing_ = false;
            m->events_.ringingNumber.clear();
            break;
        default:
            break;
    }
}

void GammuMachine::onSms(GSM_StateMachine *, GSM_SMSMessage *, void *self) {
    auto *m = static_cast<GammuMachine *>(self);
    std::lock_guard lock(m->mutex_);
    ++m->events_.receivedMessages;
}

void GammuMachine::onSendStatus(GSM_StateMachine *, int status, int reference, void *self) {
    auto *m = static_cast<GammuMachine *>(self);
    std::lock_guard lock(m->mutex_);
    ++m->sendStatuses_;
    if (m->events_.acks.size() < LinkEvents::kMaxAcks) {
        m->events_.acks.push_back(SendAck{reference & 0xFF, status == 0});
    }
}

}  // namespace phoneeng
