#include "phone/PhoneNumber.h"

namespace phoneeng {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view withoutPlus(std::string_view number) {
    if (!number.empty() && number.front() == '+') {
        number.remove_prefix(1);
    }
    return number;
}

}  // namespace

bool isDialableNumber(std::string_view number) {
    const std::string_view rest = withoutPlus(number);
    if (rest.empty() || rest.size() > kMaxNumberLength) {
        return false;
    }
    for (char c : rest) {
        if (!isDigit(c) && c != '*' && c != '#' && c != 'p' && c != 'w') {
            return false;
        }
    }
    return true;
}

bool isMessageAddress(std::string_view number) {
    const std::string_view rest = withoutPlus(number);
    if (rest.empty() || rest.size() > 20) {
        return false;
    }
    for (char c : rest) {
        if (!isDigit(c)) {
            return false;
        }
    }
    return true;
}

std::string comparableNumber(std::string_view number) {
    std::string_view rest = withoutPlus(number);
    if (rest.size() == number.size() && rest.substr(0, 2) == "00") {
        rest.remove_prefix(2);
    }
    return std::string(rest);
}

std::string incomingForm(std::string_view number) {
    if (!number.empty() && number.front() == '+') {
        return "D" + std::string(number.substr(1));
    }
    return std::string(number);
}

}  // namespace phoneeng
