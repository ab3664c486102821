#include "gammu/ConnectionCheck.h"

#include "gammu/GammuLibrary.h"
#include "gammu/GammuLink.h"
#include "gammu/GammuPort.h"
#include "phone/VirtualLink.h"
#include "phoneeng.h"

namespace phoneeng {

namespace {

class Report {
public:
    explicit Report(std::string &out) : out_(out) { out_.clear(); }
    void ok(const std::string &line) { out_ += "[ok] " + line + "\n"; }
    int16_t failed(int16_t code, const std::string &line) {
        out_ += "[FAILED] " + line + "\n";
        return code;
    }

private:
    std::string &out_;
};

std::string protocolWords(const PortName &port, int32_t type) {
    std::string words;
    for (const std::string &name : gammuConnections(port.protocol, type)) {
        words += (words.empty() ? "" : ", then ") + name;
    }
    return words;
}

int16_t checkDevice(const std::string &device, Report &report) {
    switch (probeDevice(device)) {
        case DeviceState::Missing:
            return report.failed(PE_NO_SUCH_PORT,
                                 "The device " + device +
                                     " does not exist. Is the cable plugged in? USB cables "
                                     "show up as /dev/ttyUSB0 or /dev/ttyACM0, Bluetooth "
                                     "links as /dev/rfcomm0.");
        case DeviceState::NoPermission:
            return report.failed(
                PE_NO_SUCH_PORT,
                "The device " + device +
                    " exists but you may not open it: add yourself to the dialout group "
                    "(sudo adduser $USER dialout), then log out and in again.");
        case DeviceState::CannotOpen:
            return report.failed(PE_NO_SUCH_PORT, "The device " + device +
                                                      " exists but does not open (is another "
                                                      "program using it, or is it unplugged?).");
        case DeviceState::NotTerminal:
            report.ok("The device " + device + " exists and opens.");
            return report.failed(PE_NO_SUCH_PORT,
                                 device + " is not a serial port: it cannot lead to a phone.");
        case DeviceState::Ready:
            break;
    }
    report.ok("The device " + device + " exists and opens.");
    report.ok(device + " is a serial port.");
    return PE_OK;
}

void describePhone(Phone &phone, Report &report) {
    PhoneIdentity id;
    phone.readIdentity(id);
    std::string line = "The phone is";
    line += id.maker.empty() ? "" : " a " + id.maker;
    line += " " + id.modelName;
    if (!id.modelCode.empty() && id.modelCode != id.modelName) {
        line += " (" + id.modelCode + ")";
    }
    line += id.imei.empty() ? "" : ", IMEI " + id.imei;
    report.ok(line + ".");
}

}  // namespace

int16_t checkConnection(const std::string &text, int32_t type, std::chrono::milliseconds budget,
                        std::string &out) {
    Report report(out);
    if (type != PE_CONNECTION_SERIAL && type != PE_CONNECTION_INFRARED) {
        return report.failed(PE_BAD_ARGUMENT,
                             "The connection type must be 0 (serial) or 1 "
                             "(infrared).");
    }
    const auto port = parsePortName(text);
    if (!port) {
        return report.failed(PE_NO_SUCH_PORT,
                             "\"" + text +
                                 "\" names no port. Use COM1 to COM256, a device path such "
                                 "as /dev/ttyUSB0, gammu or gammuN for a section of your "
                                 "gammurc, or VIRTUAL.");
    }
    if (port->kind == PortName::Kind::Virtual) {
        report.ok("VIRTUAL is the built-in virtual phone: no cable to check.");
        VirtualLink link;
        describePhone(*link.phone(), report);
        return PE_OK;
    }
    if (const std::string &why = gammuLibraryError(); !why.empty()) {
        return report.failed(PE_NOT_SUPPORTED,
                             "Real phones are reached through libgammu, which is missing: " + why +
                                 ". Install the libgammu package.");
    }
    std::string how;
    if (port->kind == PortName::Kind::Serial) {
        const int16_t code = checkDevice(port->device, report);
        if (code != PE_OK) {
            return code;
        }
        how = "over " + protocolWords(*port, type);
        if (!GammuMachine::waitForDevice(port->device, budget / 2)) {
            return report.failed(PE_TIMEOUT,
                                 "The device is still held by an earlier try to "
                                 "connect, or by this program's link: try again "
                                 "in a few seconds.");
        }
    } else {
        how = "with section " +
              std::string(port->section ? "gammu" + std::to_string(port->section) : "gammu") +
              " of your gammurc";
    }
    std::unique_ptr<GammuLink> link;
    const int16_t code = GammuLink::open(*port, type, budget, link);
    if (code != PE_OK) {
        const std::string tried = "Tried to reach the phone " + how + ": ";
        switch (code) {
            case PE_TIMEOUT:
                return report.failed(code, tried +
                                               "no answer. Is the phone on and the cable a "
                                               "data cable? Does the protocol letter match the "
                                               "cable (F FBUS, D DKU-2, A AT, B Bluetooth)?");
            case PE_NO_SUCH_PORT:
                return report.failed(code, tried +
                                               "the port or the gammurc section could not be "
                                               "used (missing, busy or not permitted).");
            default:
                return report.failed(code, tried +
                                               "the phone did not accept the connection "
                                               "(code " +
                                               std::to_string(code) + ").");
        }
    }
    report.ok("The phone answered " +
              connectionWords(GSM_GetUsedConnection(link->gammuPhone().machine().state())) + ".");
    describePhone(link->gammuPhone(), report);
    return PE_OK;
}

}  // namespace phoneeng
