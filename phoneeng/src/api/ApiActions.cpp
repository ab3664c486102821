// Placeholder entry points: they answer until their group is filled.
#include "phoneeng.h"

extern "C" {

int16_t dialvoice(const char *number) {
    return PE_NOT_CONNECTED;
}

int16_t send_dtmf(const char *digits) {
    return PE_NOT_CONNECTED;
}

int16_t sendkeystrokes(const char *keys) {
    return PE_NOT_CONNECTED;
}

int16_t reset(const char *mode) {
    return PE_NOT_CONNECTED;
}

int16_t hangup(void) {
    return PE_NOT_CONNECTED;
}

int16_t answercall(void) {
    return PE_NOT_CONNECTED;
}

int16_t gsmbeep(int32_t on) {
    return PE_NOT_CONNECTED;
}

int16_t netmonitor(const char *mode, char *buf, int32_t len) {
    return PE_NOT_CONNECTED;
}

int16_t setlogo(const char *kind, const char *value, const char *extra) {
    return PE_NOT_CONNECTED;
}

int16_t setdatetime(int32_t y, int32_t mo, int32_t d, int32_t h, int32_t mi, int32_t s) {
    return PE_NOT_CONNECTED;
}

int16_t getdatetime(int32_t *y, int32_t *mo, int32_t *d, int32_t *h, int32_t *mi, int32_t *s) {
    return PE_NOT_CONNECTED;
}

int16_t setalarm(int32_t h, int32_t mi) {
    return PE_NOT_CONNECTED;
}

int16_t getalarm(int32_t *on, int32_t *h, int32_t *mi) {
    return PE_NOT_CONNECTED;
}

int16_t phoneeng_virtual_incoming_call(const char *number, const char *name) {
    return PE_NOT_CONNECTED;
}

}  // extern "C"
