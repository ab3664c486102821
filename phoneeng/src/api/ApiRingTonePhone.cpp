// Placeholder entry points: they answer until their group is filled.
#include "phoneeng.h"

extern "C" {

int16_t ringtone_upload(int16_t location) {
    return PE_NOT_CONNECTED;
}

int16_t ringtone_sendsms(const char *dest) {
    return PE_NOT_CONNECTED;
}

int16_t play_tone(int32_t kind, int32_t tone, int32_t ms) {
    return PE_NOT_CONNECTED;
}

}  // extern "C"
