#include "fbus/FbusStatusHandler.h"

#include <algorithm>
#include <string>

#include "fbus/FbusBitmaps.h"
#include "fbus/FbusReader.h"

namespace phoneeng::fbus {

namespace {

// "1A2B" -> 0x1A 0x2B; anything unreadable gives zeros.
void putHex16(std::vector<uint8_t> &out, const std::string &hex) {
    unsigned value = 0;
    try {
        value = static_cast<unsigned>(std::stoul(hex, nullptr, 16)) & 0xFFFF;
    } catch (...) {
        value = 0;
    }
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value & 0xFF));
}

// 0..100 as the phone's bars 0..4.
uint8_t bars(int32_t percent) {
    return static_cast<uint8_t>(std::clamp(percent, 0, 100) / 25);
}

}  // namespace

FbusMessage networkReply(const NetworkStatus &network) {
    std::vector<uint8_t> data{0x00, 0x00, 0x00, 0x00, 0x01, 0x00};  // [4] home network
    putHex16(data, network.cellId);
    putHex16(data, network.areaCode);
    const auto code = encodeNetworkCode(network.providerCode);
    data.insert(data.end(), code.begin(), code.end());
    const std::string name = network.providerName.substr(0, 60);
    data.push_back(static_cast<uint8_t>(name.size()));
    for (char c : name) {
        data.push_back(0x00);
        data.push_back(static_cast<uint8_t>(c));
    }
    // The subtype comes at [3]; data from [4] puts the state at [8].
    return reply(0x0A, 0x71, data);
}

void FbusStatusHandler::handle(const FbusMessage &request, FbusContext &context,
                               std::vector<FbusMessage> &replies) {
    Phone &phone = context.phone;
    const int subtype = subtypeOf(request);
    if (request.type == 0x04 && subtype == 0x01) {
        NetworkStatus n;
        phone.readNetwork(n);
        // [4] mode 1 (registered), [5] signal bars, [7] 1 mains / 2 battery, [8] battery bars.
        replies.push_back(
            reply(0x04, 0x02,
                  {0x01, bars(n.rfLevel), 0x00, static_cast<uint8_t>(n.mainsPower ? 0x01 : 0x02),
                   bars(n.batteryLevel)}));
        return;
    }
    if (request.type == 0x0A && subtype == 0x70) {
        NetworkStatus n;
        phone.readNetwork(n);
        replies.push_back(networkReply(n));
        return;
    }
    if (request.type != 0x11) {
        return;
    }
    FbusReader in(request.body, 4);
    switch (subtype) {
        case 0x60: {  // set: 01 01 07, year (16 bits), month, day, hour, minute, 00
            in.skip(3);
            PhoneDateTime t;
            t.year = in.u16();
            t.month = in.u8();
            t.day = in.u8();
            t.hour = in.u8();
            t.minute = in.u8();
            const bool set = in.ok() && phone.setDateTime(t) == PE_OK;
            replies.push_back(reply(0x11, 0x61, {static_cast<uint8_t>(set ? 0x01 : 0x00)}));
            return;
        }
        case 0x62: {
            const PhoneDateTime t = phone.dateTime();
            // [4] 1: the clock is set; the reading starts at [8].
            replies.push_back(
                reply(0x11, 0x63,
                      {0x01, 0x00, 0x00, 0x00, static_cast<uint8_t>(t.year >> 8),
                       static_cast<uint8_t>(t.year & 0xFF), static_cast<uint8_t>(t.month),
                       static_cast<uint8_t>(t.day), static_cast<uint8_t>(t.hour),
                       static_cast<uint8_t>(t.minute), static_cast<uint8_t>(t.second)}));
            return;
        }
        case 0x6B: {  // set alarm: 01 20 03 02, hour, minute
            in.skip(4);
            const uint8_t hour = in.u8();
            const uint8_t minute = in.u8();
            const bool set = in.ok() && phone.setAlarm(hour, minute) == PE_OK;
            replies.push_back(reply(0x11, 0x6C, {static_cast<uint8_t>(set ? 0x01 : 0x00)}));
            return;
        }
        case 0x6D: {
            bool on = false;
            int32_t hour = 0;
            int32_t minute = 0;
            phone.alarm(on, hour, minute);
            // [8] 2: the alarm is on, then hour and minute.
            replies.push_back(reply(0x11, 0x6E,
                                    {0x00, 0x00, 0x00, 0x00, static_cast<uint8_t>(on ? 0x02 : 0x00),
                                     static_cast<uint8_t>(hour), static_cast<uint8_t>(minute)}));
            return;
        }
        default:
            return;
    }
}

}  // namespace phoneeng::fbus
