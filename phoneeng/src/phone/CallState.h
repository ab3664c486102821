// Calls, keypad and buzzer of the virtual phone, with a log of every action
// taken on them (dialling, DTMF, key presses, beeps, resets). Calls that end
// up in the dialled, received and missed lists are reported to the caller,
// which keeps those lists (PhonebookMemory).
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "phone/PhoneTypes.h"

namespace phoneeng {

class CallState {
public:
    enum class Phase { Idle, Ringing, Active };
    struct CallListEntry {
        MemoryType list;
        std::string number;
    };
    using CallList = std::vector<CallListEntry>;

    static constexpr size_t kMaxLog = 500;
    static constexpr size_t kMaxKeys = 256;  // key presses per call

    Phase phase() const { return phase_; }
    // The other party of the ringing or active call.
    const std::string &number() const { return number_; }
    const std::string &name() const { return name_; }
    bool keyboardLocked() const { return keyboardLocked_; }
    bool beeping() const { return beeping_; }
    // Digits typed on the keypad and not yet dialled.
    const std::string &typed() const { return typed_; }

    // One call at a time: a second one gives PE_PHONE_ERROR.
    int16_t dial(const std::string &number, CallList &calls);
    // The phone rings; `number` may begin with "+" (or "D" for it).
    int16_t ring(const std::string &number, const std::string &name);
    int16_t answer(CallList &calls);
    // Ends the active call or rejects a ringing one (a missed call); with no
    // call there is nothing to do.
    int16_t hangUp(CallList &calls);
    // Tones during an active call: 0-9 * # A-D.
    int16_t dtmf(const std::string &digits);
    // Key presses, case-insensitive: 0-9 * # + type a number; S send (dial
    // the typed number or answer); E end (hang up or clear); C clear one
    // digit; K keyguard on/off; M menu, U up, D down. While the keyguard is
    // on only K is taken (PE_PHONE_ERROR for the rest).
    int16_t keys(const std::string &keys, CallList &calls);
    // 1 starts, 0 stops the beep.
    int16_t beep(int32_t on);
    // "soft" or "hard" (any case): calls drop, keypad and buzzer reset.
    int16_t reset(const std::string &mode);

    // Oldest first, at most kMaxLog lines.
    const std::deque<std::string> &log() const { return log_; }

private:
    void note(std::string line);
    void endCall();

    Phase phase_ = Phase::Idle;
    std::string number_;
    std::string name_;
    std::string typed_;
    bool keyboardLocked_ = false;
    bool beeping_ = false;
    std::deque<std::string> log_;
};

}  // namespace phoneeng
