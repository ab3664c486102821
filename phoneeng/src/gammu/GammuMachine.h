// One libgammu state machine with a time bound on every call into it.
//
// Each call runs on a thread of its own while the caller waits at most the
// machine's budget. A call that overruns is told to abort; one that still
// does not come back is left to finish on its own (it keeps the machine
// alive through a shared pointer) and the machine counts as broken from
// then on. So a job must own everything it touches: capture shared
// pointers or values, never references to the caller's stack.
#pragma once

#include <gammu.h>

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "phone/PhoneTypes.h"

namespace phoneeng {

class GammuMachine : public std::enable_shared_from_this<GammuMachine> {
public:
    using Job = std::function<GSM_Error(GSM_StateMachine *)>;

    // What libgammu's callbacks reported since the last take().
    struct Events {
        int32_t incomingCalls = 0;
        std::string ringingNumber;  // "" once the call ended
        int32_t receivedMessages = 0;
        std::deque<SendAck> acks;
    };

    // A machine that is not connected yet; null when out of memory.
    static std::shared_ptr<GammuMachine> create(std::chrono::milliseconds budget);
    ~GammuMachine();
    GammuMachine(const GammuMachine &) = delete;
    GammuMachine &operator=(const GammuMachine &) = delete;

    // For configuring before connect(); not for calls into the phone.
    GSM_StateMachine *state() { return state_; }

    // Runs `job` within the budget; ERR_TIMEOUT when it overran (the machine
    // is broken then), ERR_NOTCONNECTED on a broken machine or when the
    // watched device hung up during the call (the call is aborted at once,
    // and the machine is broken then too).
    GSM_Error run(Job job);
    bool broken() const;
    std::chrono::milliseconds budget() const { return budget_; }
    // Changes the budget of the calls that follow (not thread-safe: set it
    // between calls).
    void setBudget(std::chrono::milliseconds budget) { budget_ = budget; }

    // Keeps `device` open on the side: while an overrunning call is being
    // aborted its output queue is flushed, so that a call stuck writing to a
    // device nobody reads (libgammu retries such writes without end) can go
    // on and notice the abort.
    // While a machine watches a device, the device counts as busy: a call
    // that was given up on may still hold it until libgammu lets go.
    void watchDevice(const std::string &device);
    // Waits up to `timeout` until no machine watches `device`; true when free.
    static bool waitForDevice(const std::string &device, std::chrono::milliseconds timeout);

    // Connects with the sections already configured in the machine and sets
    // the callbacks up. Within the budget like any other job.
    GSM_Error connect();

    // Closes the connection within the budget (a dead phone cannot hold up
    // the caller); the machine is freed when the last holder lets go.
    void disconnect();

    Events take();
    // Send results reported so far (they also wait in the events).
    size_t sendStatusCount() const;

private:
    explicit GammuMachine(GSM_StateMachine *state, std::chrono::milliseconds budget)
        : state_(state), budget_(budget) {}

    // Whether the watched device reports a hang-up or an error (its other
    // end closed, or the device removed).
    bool deviceHungUp() const;

    static void onCall(GSM_StateMachine *, GSM_Call *call, void *self);
    static void onSms(GSM_StateMachine *, GSM_SMSMessage *sms, void *self);
    static void onSendStatus(GSM_StateMachine *, int status, int reference, void *self);

    GSM_StateMachine *state_;
    std::chrono::milliseconds budget_;
    bool connected_ = false;  // only touched by jobs
    int watchedFd_ = -1;
    std::string watched_;

    mutable std::mutex mutex_;
    bool broken_ = false;
    bool ringing_ = false;
    size_t sendStatuses_ = 0;
    Events events_;
};

// The budget of a call when none is given. With the abort's grace time (1.5
// s) every call stays within 10 seconds, init included: its wait for the
// device, its connect and its first reading share one budget, the reading
// getting at least the minimum (at most 6.5 + 1.5 s in all).
inline constexpr std::chrono::milliseconds kGammuDefaultBudget{6000};
inline constexpr std::chrono::milliseconds kGammuMinimumBudget{500};

}  // namespace phoneeng
