// The virtual phone's network monitor: switched on for field tests (screens
// 01 to 19) or for engineering (every screen it has), and off. Screens are a
// few short lines, joined with "\n", as the phone's display shows them.
#pragma once

#include <cstdint>
#include <string>

#include "phone/PhoneIdentity.h"

namespace phoneeng {

class NetMonitor {
public:
    enum class Mode : int32_t { Off = 0, FieldTest = 1, Engineering = 2 };

    // What the screens show.
    struct Context {
        PhoneIdentity identity;
        NetworkStatus network;
        int32_t inbox = 0, outbox = 0, unread = 0;
        int32_t simUsed = 0, simSize = 0, phoneUsed = 0, phoneSize = 0;
        int32_t dialled = 0, received = 0, missed = 0;
        bool callActive = false;
    };

    Mode mode() const { return mode_; }
    // False for a value that is no mode.
    bool restoreMode(int32_t mode);

    // mode "devel", "field" or "off" switches the monitor (the screen text
    // says what it now is); a two-digit number "01".."99" gives that screen.
    // PE_BAD_ARGUMENT for another text, PE_PHONE_ERROR for a screen while
    // the monitor is off or a field test asks for a screen above 19,
    // PE_NOT_SUPPORTED for a screen the phone does not have.
    int16_t request(const std::string &mode, const Context &context, std::string &screen);

    // The text of screen n, or "" when the phone does not have it.
    static std::string screen(int32_t n, const Context &context);

private:
    Mode mode_ = Mode::Engineering;
};

}  // namespace phoneeng
