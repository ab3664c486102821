#include "phone/NetMonitor.h"

#include <cctype>
#include <cstdio>

#include "phoneeng.h"

namespace phoneeng {

namespace {

constexpr int32_t kLastFieldTestScreen = 19;

std::string lines(std::initializer_list<std::string> parts) {
    std::string out;
    for (const auto &p : parts) {
        if (!out.empty()) {
            out += '\n';
        }
        out += p;
    }
    return out;
}

std::string fmt(const char *format, int a, int b = 0) {
    char buf[48];
    std::snprintf(buf, sizeof buf, format, a, b);
    return buf;
}

std::string lower(std::string text) {
    for (char &c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

bool NetMonitor::restoreMode(int32_t mode) {
    if (mode < 0 || mode > 2) {
        return false;
    }
    mode_ = static_cast<Mode>(mode);
    return true;
}

std::string NetMonitor::screen(int32_t n, const Context &c) {
    const int rf = c.network.rfLevel;
    const int rxDbm = -110 + rf * 60 / 100;  // 0..100 onto -110..-50 dBm
    switch (n) {
        case 1:
            return lines({"CH 0062", fmt("RX %ddBm", rxDbm), fmt("C1 %d TA 0", rf / 3),
                          c.callActive ? "PWR 05 CALL" : "PWR 05 IDLE"});
        case 2:
            return lines({"TS 3 HOP 0", "BSIC 47", "BER 0.0%"});
        case 3:
            return lines({fmt("N1 0070 %d", rxDbm - 7), fmt("N2 0081 %d", rxDbm - 13),
                          fmt("N3 0094 %d", rxDbm - 19)});
        case 4:
            return lines({fmt("N4 0101 %d", rxDbm - 24), fmt("N5 0112 %d", rxDbm - 28),
                          fmt("N6 0120 %d", rxDbm - 31)});
        case 6:
            return lines({"ALLOWED", c.network.providerCode, "FORBIDDEN", "-"});
        case 7:
            return lines({"CELL OPT", "BARRED 0", "EMERG 1", "REEST 0"});
        case 10:
            return lines({"TMSI", "4A3F10C2", "T3212 60"});
        case 11:
            return lines({"NET " + c.network.providerCode, "LAC " + c.network.areaCode,
                          "CELL " + c.network.cellId, "CH 0062"});
        case 12:
            return lines({"DRX 1", "DTX ON", "RLT 32"});
        case 13:
            return lines({"PWR CTRL", "MS 05", "BS 02"});
        case 17:
            return lines({"BTS TEST", "OFF"});
        case 19:
            return lines({"REJECTS 0", "BARRED 0"});
        case 20:
            return lines({fmt("BATT %d%%", c.network.batteryLevel),
                          fmt("%d.%02dV", 3 + c.network.batteryLevel / 100,
                              (c.network.batteryLevel * 7 / 10) % 100),
                          "TEMP 24C"});
        case 21:
            return lines({"CHARGER", c.network.mainsPower ? "MAINS" : "NONE",
                          c.network.mainsPower ? "CURR 120mA" : "CURR 0mA"});
        case 23:
            return lines({"BATT CAP", "900mAh"});
        case 35:
            return lines({"SW/HW", c.identity.revision, c.identity.softwareDate});
        case 36:
            return lines({"IMEI", c.identity.imei});
        case 39:
            return lines({fmt("DIALLED %d", c.dialled), fmt("RECEIVED %d", c.received),
                          fmt("MISSED %d", c.missed)});
        case 51:
            return lines({"SIM", fmt("PB %d/%d", c.simUsed, c.simSize),
                          fmt("PHONE %d/%d", c.phoneUsed, c.phoneSize)});
        case 60:
            return lines({"SMS", fmt("IN %d NEW %d", c.inbox, c.unread), fmt("OUT %d", c.outbox)});
        default:
            return {};
    }
}

int16_t NetMonitor::request(const std::string &mode, const Context &context, std::string &out) {
    const std::string m = lower(mode);
    if (m == "devel" || m == "field" || m == "off") {
        mode_ = m == "devel" ? Mode::Engineering : m == "field" ? Mode::FieldTest : Mode::Off;
        out = m == "devel"   ? "NETMONITOR ON\nENGINEERING"
              : m == "field" ? "NETMONITOR ON\nFIELD TEST"
                             : "NETMONITOR OFF";
        return PE_OK;
    }
    if (m.size() != 2 || !std::isdigit(static_cast<unsigned char>(m[0])) ||
        !std::isdigit(static_cast<unsigned char>(m[1])) || m == "00") {
        return PE_BAD_ARGUMENT;
    }
    const int32_t n = (m[0] - '0') * 10 + (m[1] - '0');
    if (mode_ == Mode::Off || (mode_ == Mode::FieldTest && n > kLastFieldTestScreen)) {
        return PE_PHONE_ERROR;
    }
    std::string text = screen(n, context);
    if (text.empty()) {
        return PE_NOT_SUPPORTED;
    }
    out = std::move(text);
    return PE_OK;
}

}  // namespace phoneeng
