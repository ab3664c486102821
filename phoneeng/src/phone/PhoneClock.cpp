#include "phone/PhoneClock.h"

#include <algorithm>

#include "phoneeng.h"

namespace phoneeng {

namespace {

bool isLeap(int32_t y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int32_t daysIn(int32_t year, int32_t month) {
    static constexpr int32_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : kDays[month - 1];
}

}  // namespace

bool PhoneClock::isValid(const PhoneDateTime &t) {
    return t.year >= kMinYear && t.year <= kMaxYear && t.month >= 1 && t.month <= 12 &&
           t.day >= 1 && t.day <= daysIn(t.year, t.month) && t.hour >= 0 && t.hour <= 23 &&
           t.minute >= 0 && t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

PhoneDateTime PhoneClock::at(std::time_t t) const {
    const std::time_t shifted = t + static_cast<std::time_t>(offset_);
    std::tm tm{};
    localtime_r(&shifted, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
            tm.tm_hour,        tm.tm_min,     std::min(tm.tm_sec, 59)};
}

int16_t PhoneClock::set(const PhoneDateTime &t) {
    if (!isValid(t)) {
        return PE_BAD_ARGUMENT;
    }
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_isdst = -1;
    const std::time_t wanted = std::mktime(&tm);
    if (wanted == static_cast<std::time_t>(-1)) {
        return PE_BAD_ARGUMENT;
    }
    offset_ = static_cast<int64_t>(wanted) - static_cast<int64_t>(std::time(nullptr));
    return PE_OK;
}

bool PhoneClock::setOffset(int64_t seconds) {
    if (seconds > kMaxOffset || seconds < -kMaxOffset) {
        return false;
    }
    offset_ = seconds;
    return true;
}

int16_t PhoneClock::setAlarm(int32_t hour, int32_t minute) {
    if (!restoreAlarm(true, hour, minute)) {
        return PE_BAD_ARGUMENT;
    }
    return PE_OK;
}

bool PhoneClock::restoreAlarm(bool on, int32_t hour, int32_t minute) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) {
        return false;
    }
    alarmOn_ = on;
    alarmHour_ = hour;
    alarmMinute_ = minute;
    return true;
}

}  // namespace phoneeng
