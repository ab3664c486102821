// libgammu, loaded on the first call that needs it (a real phone's link,
// its connection check, a network name) rather than linked: the engine's
// logo and ring tone work then starts without libgammu and the many
// libraries it brings (TLS, Kerberos, LDAP, Bluetooth, USB).
//
// Every libgammu function the engine calls is listed below. Including this
// header declares, in namespace phoneeng, a call object of the same name
// for each, so the code in namespace phoneeng keeps writing
// GSM_GetModel(s, buf) and reaches the loaded library. Ordinary lookup
// finds the object, which stops argument-dependent lookup from finding the
// real declaration in <gammu.h>.
//
// When the library cannot be loaded every call fails without calling
// anything: functions returning GSM_Error return ERR_UNKNOWN, those returning
// a pointer nullptr, the others a zero value. The seams (GammuLink::open,
// checkConnection, networkNameFor) ask gammuLibraryError() first.
#pragma once

#include <gammu.h>

#include <string>
#include <type_traits>

// libgammu reads a smart-messaging ring tone into its own note form; the
// function is exported but not declared in its public headers.
extern "C" GSM_Error GSM_DecodeNokiaRTTLRingtone(GSM_Ringtone *ringtone, unsigned char *package,
                                                 size_t maxlength);

namespace phoneeng {

#define PHONEENG_GAMMU_FUNCTIONS(X) \
    X(GSM_AbortOperation)           \
    X(GSM_AllocStateMachine)        \
    X(GSM_AnswerCall)               \
    X(GSM_CancelCall)               \
    X(GSM_ClearBitmap)              \
    X(GSM_ClearMultiPartSMSInfo)    \
    X(GSM_DecodeNokiaRTTLRingtone)  \
    X(GSM_DeleteMemory)             \
    X(GSM_DeleteSMS)                \
    X(GSM_DialVoice)                \
    X(GSM_EncodeMultiPartSMS)       \
    X(GSM_FindGammuRC)              \
    X(GSM_FreeMemoryEntry)          \
    X(GSM_FreeMultiPartSMSInfo)     \
    X(GSM_FreeStateMachine)         \
    X(GSM_GetAlarm)                 \
    X(GSM_GetBatteryCharge)         \
    X(GSM_GetBitmap)                \
    X(GSM_GetConfig)                \
    X(GSM_GetCountryName)           \
    X(GSM_GetCurrentDateTime)       \
    X(GSM_GetDateTime)              \
    X(GSM_GetDisplayStatus)         \
    X(GSM_GetFirmware)              \
    X(GSM_GetGlobalDebug)           \
    X(GSM_GetHardware)              \
    X(GSM_GetIMEI)                  \
    X(GSM_GetManufacturer)          \
    X(GSM_GetMemory)                \
    X(GSM_GetMemoryStatus)          \
    X(GSM_GetModel)                 \
    X(GSM_GetModelInfo)             \
    X(GSM_GetNetworkInfo)           \
    X(GSM_GetNetworkName)           \
    X(GSM_GetNextSMS)               \
    X(GSM_GetSMSC)                  \
    X(GSM_GetSignalQuality)         \
    X(GSM_GetSpeedDial)             \
    X(GSM_GetUsedConnection)        \
    X(GSM_InitConnection)           \
    X(GSM_IsPhoneFeatureAvailable)  \
    X(GSM_IsPointBitmap)            \
    X(GSM_PlayTone)                 \
    X(GSM_PressKey)                 \
    X(GSM_ReadConfig)               \
    X(GSM_ReadDevice)               \
    X(GSM_Reset)                    \
    X(GSM_SendDTMF)                 \
    X(GSM_SendSMS)                  \
    X(GSM_SetAlarm)                 \
    X(GSM_SetBitmap)                \
    X(GSM_SetConfigNum)             \
    X(GSM_SetDateTime)              \
    X(GSM_SetDefaultSMSData)        \
    X(GSM_SetIncomingCall)          \
    X(GSM_SetIncomingCallCallback)  \
    X(GSM_SetIncomingSMS)           \
    X(GSM_SetIncomingSMSCallback)   \
    X(GSM_SetMemory)                \
    X(GSM_SetPointBitmap)           \
    X(GSM_SetRingtone)              \
    X(GSM_SetSendSMSStatusCallback) \
    X(GSM_SetSpeedDial)             \
    X(GSM_TerminateConnection)      \
    X(INI_Free)                     \
    X(MakeKeySequence)

enum class GammuFn {
#define PHONEENG_GAMMU_ENUM(name) name,
    PHONEENG_GAMMU_FUNCTIONS(PHONEENG_GAMMU_ENUM)
#undef PHONEENG_GAMMU_ENUM
        Count
};

// The address of `fn` in the loaded library; nullptr when libgammu cannot be
// loaded or lacks one of the listed functions. Loads it on the first call
// (thread-safe).
void *gammuFunction(GammuFn fn);

// Why libgammu cannot be used ("" when it can); loads it when not yet tried.
const std::string &gammuLibraryError();

template <GammuFn F, typename Signature>
struct GammuCall;

template <GammuFn F, typename R, typename... Args>
struct GammuCall<F, R (*)(Args...)> {
    R operator()(Args... args) const {
        if (void *f = gammuFunction(F)) {
            return reinterpret_cast<R (*)(Args...)>(f)(args...);
        }
        if constexpr (std::is_same_v<R, GSM_Error>) {
            return ERR_UNKNOWN;
        } else if constexpr (!std::is_void_v<R>) {
            return R{};
        }
    }
};

#define PHONEENG_GAMMU_CALL(name) \
    inline constexpr GammuCall<GammuFn::name, decltype(&::name)> name{};
PHONEENG_GAMMU_FUNCTIONS(PHONEENG_GAMMU_CALL)
#undef PHONEENG_GAMMU_CALL

}  // namespace phoneeng
