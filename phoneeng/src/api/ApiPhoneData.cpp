// Placeholder entry points: they answer until their group is filled.
#include "phoneeng.h"

extern "C" {

int16_t getimei(char *buf, int32_t len) {
    return PE_NOT_CONNECTED;
}

int16_t getmodel(char *buf, int32_t len) {
    return PE_NOT_CONNECTED;
}

int16_t getrevision(char *buf, int32_t len) {
    return PE_NOT_CONNECTED;
}

int16_t getswdate(char *buf, int32_t len) {
    return PE_NOT_CONNECTED;
}

int16_t lookupmodel(char *buf, int32_t len) {
    return PE_NOT_CONNECTED;
}

int16_t getmodelcapabilities(char *buf, int32_t len) {
    return PE_NOT_CONNECTED;
}

int16_t lookupnetwork(char *buf, int32_t len) {
    return PE_NOT_CONNECTED;
}

int16_t getnetworkinfo(char *code, int32_t codelen, char *cell, int32_t celllen, char *area, int32_t arealen) {
    return PE_NOT_CONNECTED;
}

int16_t getrflevel(int32_t *v) {
    return PE_NOT_CONNECTED;
}

int16_t getbatterylevel(int32_t *v) {
    return PE_NOT_CONNECTED;
}

int32_t uses_acdc_power(void) {
    return 0;
}

int16_t getdisplaystatus(char *buf, int32_t len) {
    return PE_NOT_CONNECTED;
}

}  // extern "C"
