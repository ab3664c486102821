// Placeholder entry points: they answer until their group is filled.
#include "phoneeng.h"

extern "C" {

int16_t logo_upload(void) {
    return PE_NOT_CONNECTED;
}

int16_t logo_download(int32_t type) {
    return PE_NOT_CONNECTED;
}

int16_t sendoplogoviasms(const char *dest) {
    return PE_NOT_CONNECTED;
}

int16_t logo_sendsiemensota(const char *dest, int32_t a, int32_t b) {
    return PE_NOT_CONNECTED;
}

int32_t logo_getlastreceived(void) {
    return 0;
}

}  // extern "C"
