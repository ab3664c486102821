// The binding to the phone engine libphoneeng.so, shared by every class of the
// library (the control, the child objects and the ring tone player).
//
// The engine is loaded at run time, never linked: from the file named by
// PHONEENG_LIBRARY when it is set, else libphoneeng.so beside this library,
// else libphoneeng.so on the usual search path. Each function is looked up on
// its first call and kept. A missing engine or function throws VelkorError
// (ErrorNumber::EngineNotFound / EngineFunctionNotFound) from the call; a
// missing engine is tried again on the next call.
//
// Call the engine through the typed wrappers, which carry the exact C types of
// phoneeng.h:  engine().getimei(buffer.data(), buffer.size());
// The control selects its instance with selectInstance() so that it can tell
// later whether someone else selected another one in between.
#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <mutex>

#include "phoneeng.h"

// Every function of the engine's call set, in the order of phoneeng.h.
#define VELKOR17_ENGINE_FUNCTIONS(X) \
    X(init)                          \
    X(terminate)                     \
    X(set_vlkr_instance)             \
    X(isalive)                       \
    X(incomingevent)                 \
    X(incoming)                      \
    X(incomingname)                  \
    X(smsreceivedcount)              \
    X(getsmssendack)                 \
    X(bitmap_received)               \
    X(getimei)                       \
    X(getmodel)                      \
    X(getrevision)                   \
    X(getswdate)                     \
    X(lookupmodel)                   \
    X(getmodelcapabilities)          \
    X(lookupnetwork)                 \
    X(getnetworkinfo)                \
    X(getrflevel)                    \
    X(getbatterylevel)               \
    X(uses_acdc_power)               \
    X(getdisplaystatus)              \
    X(dialvoice)                     \
    X(send_dtmf)                     \
    X(sendkeystrokes)                \
    X(reset)                         \
    X(hangup)                        \
    X(answercall)                    \
    X(gsmbeep)                       \
    X(netmonitor)                    \
    X(setlogo)                       \
    X(setdatetime)                   \
    X(getdatetime)                   \
    X(setalarm)                      \
    X(getalarm)                      \
    X(sendsms)                       \
    X(senducs2)                      \
    X(sendsiemensota)                \
    X(getsms)                        \
    X(updatesmslist)                 \
    X(getsmsmsgunread)               \
    X(getsmsmsgtotal)                \
    X(getsmsmsgcount)                \
    X(getsmsmsgdata)                 \
    X(getsmsmsgdatetime)             \
    X(getsmssentread)                \
    X(deletesmsmsg)                  \
    X(setsmsmessagecenter)           \
    X(getsmsmessagecenter)           \
    X(setsmstimeout)                 \
    X(getsmstimeout)                 \
    X(set_smssenddelay)              \
    X(get_smssenddelay)              \
    X(set_codepage)                  \
    X(get_codepage)                  \
    X(setsmssendmode)                \
    X(getsmssendmode)                \
    X(smssendwaiting)                \
    X(sms_setpid)                    \
    X(sms_getpid)                    \
    X(sms_setdcs)                    \
    X(sms_getdcs)                    \
    X(getphonebookentry)             \
    X(setphonebookentry)             \
    X(deletephonebookentry)          \
    X(getspeeddial)                  \
    X(setspeeddial)                  \
    X(logo_readfile)                 \
    X(logo_writefile)                \
    X(logo_writebmp)                 \
    X(logo_upload)                   \
    X(logo_download)                 \
    X(logo_setdata)                  \
    X(logo_getdata)                  \
    X(logo_setgroupnumber)           \
    X(logo_getgroupnumber)           \
    X(logo_setgroupname)             \
    X(logo_getgroupname)             \
    X(logo_setpixel)                 \
    X(logo_getpixel)                 \
    X(logo_setmessage)               \
    X(logo_getmessagedata)           \
    X(logo_getmessagetext)           \
    X(sendoplogoviasms)              \
    X(logo_sendsiemensota)           \
    X(logo_getlastreceived)          \
    X(ringtone_readfile)             \
    X(ringtone_writefile)            \
    X(ringtone_upload)               \
    X(ringtone_setdefstyle)          \
    X(ringtone_getstyle)             \
    X(ringtone_setnote)              \
    X(ringtone_getnote)              \
    X(ringtone_setnotes)             \
    X(ringtone_getnotes)             \
    X(ringtone_settempo)             \
    X(ringtone_gettempo)             \
    X(ringtone_setname)              \
    X(ringtone_getname)              \
    X(ringtone_sendsms)              \
    X(play_tone)

namespace velkor17 {

class EngineBinding {
public:
    enum class Fn : int {
#define VELKOR17_ENGINE_ENUM(name) name,
        VELKOR17_ENGINE_FUNCTIONS(VELKOR17_ENGINE_ENUM)
#undef VELKOR17_ENGINE_ENUM
            Count
    };

    // The one binding of the process.
    static EngineBinding &instance();

    EngineBinding(const EngineBinding &) = delete;
    EngineBinding &operator=(const EngineBinding &) = delete;

    // The address of a function of the call set, looked up once.
    void *function(Fn fn);
    // Another symbol the engine exports (for example
    // "phoneeng_virtual_incoming_call"); looked up on every call.
    void *extraSymbol(const char *name);
    // The file the engine is (or would be) loaded from.
    QString libraryPath() const;

    // set_vlkr_instance(handle), remembering the handle.
    void selectInstance(std::intptr_t handle);
    // The handle last given to selectInstance (0 before any).
    std::intptr_t selectedInstance() const {
        return selected_.load();
    }

#define VELKOR17_ENGINE_WRAPPER(name)                                            \
    template <typename... A>                                                     \
    auto name(A... args) {                                                       \
        return reinterpret_cast<decltype(&::name)>(function(Fn::name))(args...); \
    }
    VELKOR17_ENGINE_FUNCTIONS(VELKOR17_ENGINE_WRAPPER)
#undef VELKOR17_ENGINE_WRAPPER

private:
    EngineBinding() = default;
    void *library();

    std::mutex mutex_;
    void *handle_ = nullptr;
    std::atomic<void *> functions_[static_cast<int>(Fn::Count)] = {};
    std::atomic<std::intptr_t> selected_{0};
};

inline EngineBinding &engine() {
    return EngineBinding::instance();
}

}  // namespace velkor17
