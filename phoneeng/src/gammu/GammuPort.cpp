#include "gammu/GammuPort.h"

#include <cstdlib>
#include <cstring>

#include "gammu/GammuLibrary.h"

namespace phoneeng {

namespace {

void setText(char *&field, const std::string &value) {
    std::free(field);
    field = strdup(value.c_str());
}

}  // namespace

std::vector<std::string> gammuConnections(char protocol, int32_t type) {
    switch (protocol) {
        case 'D':
            return {"dku2", "dku2at"};
        case 'A':
            return {type == 1 ? "irdaat" : "at"};
        case 'B':
            return {"phonetblue", "fbusblue"};
        default:
            if (type == 1) {
                return {"infrared"};
            }
            return {"fbus", "dlr3"};
    }
}

GSM_Error configureGammu(GSM_StateMachine *state, const PortName &port, int32_t type) {
    if (port.kind == PortName::Kind::GammuSection) {
        INI_Section *rc = nullptr;
        GSM_Error error = GSM_FindGammuRC(&rc, nullptr);
        if (error != ERR_NONE) {
            return ERR_UNCONFIGURED;
        }
        GSM_Config *config = GSM_GetConfig(state, 0);
        error = GSM_ReadConfig(rc, config, port.section);
        INI_Free(rc);
        if (error != ERR_NONE) {
            return error == ERR_USING_DEFAULTS ? ERR_NONE_SECTION : error;
        }
        GSM_SetConfigNum(state, 1);
        return ERR_NONE;
    }
    const std::vector<std::string> names = gammuConnections(port.protocol, type);
    int n = 0;
    for (const std::string &name : names) {
        GSM_Config *config = GSM_GetConfig(state, n);
        if (!config) {
            break;
        }
        // With no file the reader fills in libgammu's defaults.
        GSM_ReadConfig(nullptr, config, 0);
        setText(config->Device, port.device);
        setText(config->Connection, name);
        config->LockDevice = FALSE;
        config->SyncTime = FALSE;
        config->StartInfo = FALSE;
        ++n;
    }
    GSM_SetConfigNum(state, n);
    return n > 0 ? ERR_NONE : ERR_UNCONFIGURED;
}

std::string connectionWords(GSM_ConnectionType type) {
    switch (type) {
        case GCT_FBUS2:
            return "FBUS";
        case GCT_FBUS2DLR3:
            return "FBUS (DLR-3 cable)";
        case GCT_FBUS2USB:
        case GCT_DKU2PHONET:
            return "DKU-2 USB cable";
        case GCT_DKU2AT:
            return "AT over a DKU-2 USB cable";
        case GCT_AT:
        case GCT_IRDAAT:
            return "AT commands";
        case GCT_PHONETBLUE:
            return "phonet over Bluetooth";
        case GCT_FBUS2BLUE:
            return "FBUS over Bluetooth";
        case GCT_FBUS2IRDA:
            return "FBUS over infrared";
        case GCT_NONE:
            return "no cable (libgammu's test phone)";
        default:
            return "libgammu connection " + std::to_string(static_cast<int>(type));
    }
}

}  // namespace phoneeng
