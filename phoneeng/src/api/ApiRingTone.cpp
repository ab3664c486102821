// Placeholder entry points: they answer until their group is filled.
#include "phoneeng.h"

extern "C" {

int16_t ringtone_readfile(const char *path) {
    return PE_NOT_SUPPORTED;
}

int16_t ringtone_writefile(const char *path) {
    return PE_NOT_SUPPORTED;
}

int16_t ringtone_setdefstyle(int32_t style) {
    return PE_NOT_SUPPORTED;
}

int32_t ringtone_getstyle(int16_t note) {
    return 0;
}

int16_t ringtone_setnote(int16_t i, const char *note) {
    return PE_NOT_SUPPORTED;
}

int16_t ringtone_getnote(int16_t i, char *buf, int32_t len) {
    return PE_NOT_SUPPORTED;
}

int16_t ringtone_setnotes(int16_t n) {
    return PE_NOT_SUPPORTED;
}

int16_t ringtone_getnotes(void) {
    return PE_NOT_SUPPORTED;
}

int16_t ringtone_settempo(int16_t bpm) {
    return PE_NOT_SUPPORTED;
}

int16_t ringtone_gettempo(void) {
    return PE_NOT_SUPPORTED;
}

int16_t ringtone_setname(const char *name) {
    return PE_NOT_SUPPORTED;
}

int16_t ringtone_getname(char *buf, int32_t len) {
    return PE_NOT_SUPPORTED;
}

}  // extern "C"
