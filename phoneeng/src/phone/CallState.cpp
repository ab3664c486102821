#include "phone/CallState.h"

#include <cctype>

#include "phone/PhoneNumber.h"
#include "phoneeng.h"

namespace phoneeng {

namespace {

std::string upper(std::string text) {
    for (char &c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

void CallState::note(std::string line) {
    log_.push_back(std::move(line));
    while (log_.size() > kMaxLog) {
        log_.pop_front();
    }
}

void CallState::endCall() {
    phase_ = Phase::Idle;
    number_.clear();
    name_.clear();
}

int16_t CallState::dial(const std::string &number, CallList &calls) {
    if (!isDialableNumber(number)) {
        return PE_BAD_ARGUMENT;
    }
    if (phase_ != Phase::Idle) {
        return PE_PHONE_ERROR;
    }
    phase_ = Phase::Active;
    number_ = number;
    name_.clear();
    calls.push_back({MemoryType::Dialled, number});
    note("dial " + number);
    return PE_OK;
}

int16_t CallState::ring(const std::string &number, const std::string &name) {
    std::string n = number;
    if (!n.empty() && n.front() == 'D') {
        n.front() = '+';
    }
    if (!isDialableNumber(n) || name.size() > 64) {
        return PE_BAD_ARGUMENT;
    }
    if (phase_ != Phase::Idle) {
        return PE_PHONE_ERROR;
    }
    phase_ = Phase::Ringing;
    number_ = n;
    name_ = name;
    note("ring " + n);
    return PE_OK;
}

int16_t CallState::answer(CallList &calls) {
    if (phase_ != Phase::Ringing) {
        return PE_PHONE_ERROR;
    }
    phase_ = Phase::Active;
    calls.push_back({MemoryType::Received, number_});
    note("answer " + number_);
    return PE_OK;
}

int16_t CallState::hangUp(CallList &calls) {
    if (phase_ == Phase::Ringing) {
        calls.push_back({MemoryType::Missed, number_});
        note("reject " + number_);
    } else if (phase_ == Phase::Active) {
        note("hang up " + number_);
    } else {
        note("hang up");
    }
    endCall();
    return PE_OK;
}

int16_t CallState::dtmf(const std::string &digits) {
    const std::string d = upper(digits);
    if (d.empty() || d.size() > kMaxKeys ||
        d.find_first_not_of("0123456789*#ABCD") != std::string::npos) {
        return PE_BAD_ARGUMENT;
    }
    if (phase_ != Phase::Active) {
        return PE_PHONE_ERROR;
    }
    note("dtmf " + d);
    return PE_OK;
}

int16_t CallState::keys(const std::string &keys, CallList &calls) {
    const std::string k = upper(keys);
    if (k.empty() || k.size() > kMaxKeys ||
        k.find_first_not_of("0123456789*#+SECKMUD") != std::string::npos) {
        return PE_BAD_ARGUMENT;
    }
    note("keys " + k);
    for (char key : k) {
        if (key == 'K') {
            keyboardLocked_ = !keyboardLocked_;
            continue;
        }
        if (keyboardLocked_) {
            return PE_PHONE_ERROR;
        }
        int16_t code = PE_OK;
        switch (key) {
            case 'S':
                if (phase_ == Phase::Ringing) {
                    code = answer(calls);
                } else if (!typed_.empty()) {
                    code = dial(typed_, calls);
                    typed_.clear();
                }
                break;
            case 'E':
                if (phase_ != Phase::Idle) {
                    code = hangUp(calls);
                } else {
                    typed_.clear();
                }
                break;
            case 'C':
                if (!typed_.empty()) {
                    typed_.pop_back();
                }
                break;
            case 'M':
            case 'U':
            case 'D':
                break;
            default:
                if (typed_.size() < kMaxNumberLength) {
                    typed_.push_back(key);
                }
                break;
        }
        if (code != PE_OK) {
            return code;
        }
    }
    return PE_OK;
}

int16_t CallState::beep(int32_t on) {
    if (on != 0 && on != 1) {
        return PE_BAD_ARGUMENT;
    }
    beeping_ = on == 1;
    note(beeping_ ? "beep on" : "beep off");
    return PE_OK;
}

int16_t CallState::reset(const std::string &mode) {
    const std::string m = upper(mode);
    if (m != "SOFT" && m != "HARD") {
        return PE_BAD_ARGUMENT;
    }
    endCall();
    typed_.clear();
    keyboardLocked_ = false;
    beeping_ = false;
    note(m == "SOFT" ? "reset soft" : "reset hard");
    return PE_OK;
}

}  // namespace phoneeng
