// Placeholder entry points: they answer until their group is filled.
#include "phoneeng.h"

extern "C" {

int32_t incomingevent(void) {
    return 0;
}

int16_t incoming(char *buf, int32_t len) {
    return PE_NOT_CONNECTED;
}

int16_t incomingname(char *buf, int32_t len) {
    return PE_NOT_CONNECTED;
}

int32_t smsreceivedcount(void) {
    return 0;
}

int32_t getsmssendack(int32_t *data, int32_t *ack) {
    return 0;
}

int32_t bitmap_received(void) {
    return 0;
}

}  // extern "C"
