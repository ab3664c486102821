// The link group: one link per instance, to the virtual phone or a serial
// device; the connection check; and the engine's own hooks for its virtual
// phone.
#include "gammu/ConnectionCheck.h"
#include "gammu/GammuMachine.h"
#include "phone/ApiSupport.h"
#include "phone/VirtualPhone.h"
#include "phoneeng.h"
#include "util/Barrier.h"

using namespace phoneeng;

extern "C" {

int16_t init(const char *port, int32_t type) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        return linkRegistry().connect(textIn(port), type);
    });
}

void terminate(void) {
    barrier([&] {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        linkRegistry().disconnect();
    });
}

void set_vlkr_instance(intptr_t handle) {
    barrier([&] {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        linkRegistry().select(handle);
    });
}

int32_t isalive(void) {
    return barrier(int32_t{0}, [&]() -> int32_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        const PhoneLink *link = linkRegistry().current();
        return link && link->alive() ? 1 : 0;
    });
}

int16_t phoneeng_check_connection(const char *port, int32_t type, char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        if (!buf || len <= 0) {
            return PE_BAD_ARGUMENT;
        }
        buf[0] = '\0';
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        const auto budget = linkRegistry().callBudget().count() > 0 ? linkRegistry().callBudget()
                                                                    : kGammuDefaultBudget;
        std::string report;
        const int16_t code = checkConnection(textIn(port), type, budget, report);
        textOut(buf, len, report);
        return code;
    });
}

int16_t phoneeng_virtual_reload(void) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        linkRegistry().closeVirtualLinks();
        discardVirtualPhone();
        return virtualPhone().loadResult() == StateFile::Loaded::Restored ||
                       virtualPhone().loadResult() == StateFile::Loaded::Fresh
                   ? PE_OK
                   : PE_FILE_FORMAT;
    });
}

int16_t phoneeng_virtual_state_path(char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        const StateFile *file = virtualPhone().stateFile();
        if (!buf || len <= 0) {
            return PE_BAD_ARGUMENT;
        }
        if (!file) {
            textOut(buf, len, "");
            return PE_EMPTY;
        }
        return textOut(buf, len, file->path());
    });
}

}  // extern "C"
