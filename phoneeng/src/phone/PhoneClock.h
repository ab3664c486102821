// The virtual phone's clock and alarm. The clock runs as the computer's local
// time plus an offset in seconds, so setting it survives restarts without a
// running process.
#pragma once

#include <cstdint>
#include <ctime>

#include "phone/PhoneTypes.h"

namespace phoneeng {

class PhoneClock {
public:
    static constexpr int32_t kMinYear = 1980;
    static constexpr int32_t kMaxYear = 2099;
    // Offsets beyond this (about 150 years) are not believable.
    static constexpr int64_t kMaxOffset = int64_t{150} * 366 * 24 * 3600;

    // A real calendar date and time within kMinYear..kMaxYear.
    static bool isValid(const PhoneDateTime &t);

    PhoneDateTime now() const { return at(std::time(nullptr)); }
    // The phone's reading at the computer time `t`.
    PhoneDateTime at(std::time_t t) const;
    // Sets the clock; PE_BAD_ARGUMENT for an invalid reading.
    int16_t set(const PhoneDateTime &t);

    int64_t offset() const { return offset_; }
    // False (and no change) for an offset beyond kMaxOffset.
    bool setOffset(int64_t seconds);

    bool alarmOn() const { return alarmOn_; }
    int32_t alarmHour() const { return alarmHour_; }
    int32_t alarmMinute() const { return alarmMinute_; }
    // Sets and switches on the alarm; PE_BAD_ARGUMENT outside 0..23, 0..59.
    int16_t setAlarm(int32_t hour, int32_t minute);
    // Restores a stored alarm; false for values out of range.
    bool restoreAlarm(bool on, int32_t hour, int32_t minute);

private:
    int64_t offset_ = 0;
    bool alarmOn_ = false;
    int32_t alarmHour_ = 0;
    int32_t alarmMinute_ = 0;
};

}  // namespace phoneeng
