// Placeholder entry points: they answer until their group is filled.
#include "phoneeng.h"

extern "C" {

int16_t getphonebookentry(int32_t loc, int32_t mem, char *name, int32_t namelen, char *number, int32_t numlen, int32_t *group) {
    return PE_NOT_CONNECTED;
}

int16_t setphonebookentry(int32_t loc, int32_t mem, const char *name, const char *number, int32_t group) {
    return PE_NOT_CONNECTED;
}

int16_t deletephonebookentry(int32_t loc, int32_t mem) {
    return PE_NOT_CONNECTED;
}

int16_t getspeeddial(int32_t loc, int32_t *mem, int32_t *number) {
    return PE_NOT_CONNECTED;
}

int16_t setspeeddial(int32_t loc, int32_t mem, int32_t number) {
    return PE_NOT_CONNECTED;
}

}  // extern "C"
