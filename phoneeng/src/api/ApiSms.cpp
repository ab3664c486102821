// Placeholder entry points: they answer until their group is filled.
#include "phoneeng.h"

extern "C" {

int16_t sendsms(const char *dest, const char *message, int32_t settingset, int32_t flags) {
    return PE_NOT_CONNECTED;
}

int16_t senducs2(const char *dest, const uint16_t *message, int32_t settingset, int32_t flags) {
    return PE_NOT_CONNECTED;
}

int16_t sendsiemensota(const char *dest, const char *file, int32_t settingset, int32_t flags) {
    return PE_NOT_CONNECTED;
}

int32_t getsms(int32_t k, char *buf1, int32_t len1, char *buf2, int32_t len2) {
    return 0;
}

int16_t updatesmslist(void) {
    return PE_NOT_CONNECTED;
}

int16_t getsmsmsgunread(void) {
    return PE_NOT_CONNECTED;
}

int16_t getsmsmsgtotal(void) {
    return PE_NOT_CONNECTED;
}

int16_t getsmsmsgcount(int32_t box) {
    return PE_NOT_CONNECTED;
}

int32_t getsmsmsgdata(int32_t box, int32_t n, int32_t field, void *buf, int32_t len) {
    return 0;
}

int16_t getsmsmsgdatetime(int32_t box, int32_t n, int32_t *y, int32_t *mo, int32_t *d, int32_t *h, int32_t *mi, int32_t *s) {
    return PE_NOT_CONNECTED;
}

int32_t getsmssentread(int32_t box, int32_t n) {
    return 0;
}

int16_t deletesmsmsg(int32_t box, int32_t n) {
    return PE_NOT_CONNECTED;
}

int16_t setsmsmessagecenter(int32_t set, const char *number) {
    return PE_NOT_CONNECTED;
}

int16_t getsmsmessagecenter(char *buf, int32_t len) {
    return PE_NOT_CONNECTED;
}

int16_t setsmstimeout(int32_t ms) {
    return PE_NOT_CONNECTED;
}

int32_t getsmstimeout(void) {
    return 0;
}

int16_t set_smssenddelay(int32_t ms) {
    return PE_NOT_CONNECTED;
}

int32_t get_smssenddelay(void) {
    return 0;
}

int16_t set_codepage(int32_t cp) {
    return PE_NOT_CONNECTED;
}

int32_t get_codepage(void) {
    return 0;
}

int16_t setsmssendmode(int16_t mustwait) {
    return PE_NOT_CONNECTED;
}

int32_t getsmssendmode(void) {
    return 0;
}

int32_t smssendwaiting(void) {
    return 0;
}

int16_t sms_setpid(uint8_t pid) {
    return PE_NOT_CONNECTED;
}

uint8_t sms_getpid(void) {
    return 0;
}

int16_t sms_setdcs(uint8_t dcs) {
    return PE_NOT_CONNECTED;
}

uint8_t sms_getdcs(void) {
    return 0;
}

}  // extern "C"
