// The phonebook and speed-dial group.
#include "phone/ApiSupport.h"
#include "phoneeng.h"
#include "util/Barrier.h"

using namespace phoneeng;

extern "C" {

int16_t getphonebookentry(int32_t loc, int32_t mem, char *name, int32_t namelen, char *number,
                          int32_t numlen, int32_t *group) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        if (!name || namelen <= 0 || !number || numlen <= 0) {
            return PE_BAD_ARGUMENT;
        }
        name[0] = '\0';
        number[0] = '\0';
        return withPhone([&](Phone &phone, PhoneLink &) -> int16_t {
            PhonebookEntry entry;
            const int16_t code = phone.readEntry(mem, loc, entry);
            if (code == PE_OK) {
                textOut(name, namelen, entry.name);
                textOut(number, numlen, entry.number);
                valueOut(group, entry.group);
            }
            return code;
        });
    });
}

int16_t setphonebookentry(int32_t loc, int32_t mem, const char *name, const char *number,
                          int32_t group) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) {
            return phone.writeEntry(mem, loc, PhonebookEntry{textIn(name), textIn(number), group});
        });
    });
}

int16_t deletephonebookentry(int32_t loc, int32_t mem) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) { return phone.deleteEntry(mem, loc); });
    });
}

int16_t getspeeddial(int32_t loc, int32_t *mem, int32_t *number) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) -> int16_t {
            int32_t memory = 0, location = 0;
            const int16_t code = phone.readSpeedDial(loc, memory, location);
            if (code == PE_OK) {
                valueOut(mem, memory);
                valueOut(number, location);
            }
            return code;
        });
    });
}

int16_t setspeeddial(int32_t loc, int32_t mem, int32_t number) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone(
            [&](Phone &phone, PhoneLink &) { return phone.writeSpeedDial(loc, mem, number); });
    });
}

}  // extern "C"
