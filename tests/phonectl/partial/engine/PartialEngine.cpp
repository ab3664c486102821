// An engine that exports only the link functions and the received-message
// count: enough to connect, nothing else.
#include "phoneeng.h"

extern "C" {

PHONEENG_API int16_t init(const char *, int32_t) {
    return PE_OK;
}
PHONEENG_API void terminate(void) {}
PHONEENG_API void set_vlkr_instance(intptr_t) {}
PHONEENG_API int32_t smsreceivedcount(void) {
    return 0;
}

}  // extern "C"
