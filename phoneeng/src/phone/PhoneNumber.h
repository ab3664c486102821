// Rules for the phone numbers the virtual phone accepts and compares.
#pragma once

#include <string>
#include <string_view>

namespace phoneeng {

// Longest number (digits and symbols, the leading "+" not counted).
constexpr size_t kMaxNumberLength = 40;

// A dialable number: an optional leading "+", then 1..kMaxNumberLength of
// the digits 0-9, "*", "#", and the pause letters "p" and "w".
bool isDialableNumber(std::string_view number);

// An address for messages: an optional leading "+", then 1..20 digits.
bool isMessageAddress(std::string_view number);

// A form for comparing numbers: "+" and a leading international "00" are
// dropped, so "+15555550123" and "0015555550123" compare equal.
std::string comparableNumber(std::string_view number);

// The number as the call set reports an incoming call: a leading "+"
// becomes "D".
std::string incomingForm(std::string_view number);

}  // namespace phoneeng
