#include "fbus/FbusCallHandler.h"

#include <gammu-keys.h>

#include "fbus/FbusReader.h"

namespace phoneeng::fbus {

char keyOfCode(uint8_t code) {
    if (code >= GSM_KEY_1 && code <= GSM_KEY_9) {
        return static_cast<char>('1' + (code - GSM_KEY_1));
    }
    switch (code) {
        case GSM_KEY_0:
            return '0';
        case GSM_KEY_HASH:
            return '#';
        case GSM_KEY_ASTERISK:
            return '*';
        case GSM_KEY_GREEN:
            return 'S';
        case GSM_KEY_RED:
            return 'E';
        case GSM_KEY_CLEAR:
            return 'C';
        case GSM_KEY_MENU:
            return 'M';
        case GSM_KEY_UP:
            return 'U';
        case GSM_KEY_DOWN:
            return 'D';
        default:
            return 0;
    }
}

void FbusCallHandler::handle(const FbusMessage &request, FbusContext &context,
                             std::vector<FbusMessage> &replies) {
    Phone &phone = context.phone;
    FbusReader in(request.body, 4);
    switch (subtypeOf(request)) {
        case 0x01: {  // dial: number length, number, call type and presence
            const std::string number = in.text(in.u8());
            if (in.ok() && phone.dial(number) == PE_OK) {
                replies.push_back(reply(0x01, 0x40, {}));
            }
            return;
        }
        case 0x42:  // the first step of answering: nothing to do here
            replies.push_back(reply(0x01, 0x43, {}));
            return;
        case 0x06: {  // answer the call with the id that follows
            const uint8_t id = in.u8();
            phone.answer();
            replies.push_back(reply(0x01, 0x07, {id}));
            return;
        }
        case 0x08: {  // end the call with the id that follows
            const uint8_t id = in.u8();
            phone.hangUp();
            replies.push_back(reply(0x01, 0x09, {id}));
            return;
        }
        case 0x50: {  // DTMF: length, digits
            const std::string digits = in.text(in.u8());
            if (in.ok() && phone.sendDtmf(digits) == PE_OK) {
                replies.push_back(reply(0x01, 0x51, {}));
            }
            return;
        }
        default:
            return;
    }
}

}  // namespace phoneeng::fbus
