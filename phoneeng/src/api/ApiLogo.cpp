// Placeholder entry points: they answer until their group is filled.
#include "phoneeng.h"

extern "C" {

int16_t logo_readfile(const char *path) {
    return PE_NOT_SUPPORTED;
}

int16_t logo_writefile(const char *path) {
    return PE_NOT_SUPPORTED;
}

int16_t logo_writebmp(const char *path) {
    return PE_NOT_SUPPORTED;
}

int16_t logo_setdata(int32_t type, const char *netcode) {
    return PE_NOT_SUPPORTED;
}

int16_t logo_getdata(int32_t *type, int32_t *width, int32_t *height, char *netcode, int32_t len) {
    return PE_NOT_SUPPORTED;
}

int16_t logo_setgroupnumber(int32_t n) {
    return PE_NOT_SUPPORTED;
}

int32_t logo_getgroupnumber(void) {
    return 0;
}

int16_t logo_setgroupname(const char *name) {
    return PE_NOT_SUPPORTED;
}

int16_t logo_getgroupname(char *buf, int32_t len) {
    return PE_NOT_SUPPORTED;
}

int16_t logo_setpixel(int32_t x, int32_t y, int16_t value) {
    return PE_NOT_SUPPORTED;
}

int16_t logo_getpixel(int32_t x, int32_t y) {
    return PE_NOT_SUPPORTED;
}

int16_t logo_setmessage(const void *data, int32_t bytes, int32_t unicode) {
    return PE_NOT_SUPPORTED;
}

int16_t logo_getmessagedata(int32_t *length, int32_t *unicode) {
    return PE_NOT_SUPPORTED;
}

int16_t logo_getmessagetext(void *buf, int32_t len) {
    return PE_NOT_SUPPORTED;
}

}  // extern "C"
