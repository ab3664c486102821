// The phone data group: identity, network and state of the current phone.
#include "gammu/NetworkNames.h"
#include "phone/ApiSupport.h"
#include "phoneeng.h"
#include "util/Barrier.h"

using namespace phoneeng;

namespace {

template <class Get>
int16_t identityText(char *buf, int32_t len, Get get) {
    return textFromPhone(buf, len, [&](Phone &phone, PhoneLink &, std::string &text) {
        PhoneIdentity id;
        const int16_t code = phone.readIdentity(id);
        text = get(id);
        return code;
    });
}

// A wanted field of getnetworkinfo: len > 0 with a buffer. len 0 skips the
// field; a negative len or a missing buffer is a bad argument.
bool fieldOk(const char *buf, int32_t len) {
    return len == 0 || (len > 0 && buf);
}

void clearField(char *buf, int32_t len) {
    if (len > 0) {
        buf[0] = '\0';
    }
}

}  // namespace

extern "C" {

int16_t getimei(char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return identityText(buf, len, [](const PhoneIdentity &id) { return id.imei; });
    });
}

int16_t getmodel(char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return identityText(buf, len, [](const PhoneIdentity &id) { return id.modelCode; });
    });
}

int16_t getrevision(char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return identityText(buf, len, [](const PhoneIdentity &id) { return id.revision; });
    });
}

int16_t getswdate(char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return identityText(buf, len, [](const PhoneIdentity &id) { return id.softwareDate; });
    });
}

int16_t lookupmodel(char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return identityText(buf, len, [](const PhoneIdentity &id) {
            return id.modelCode + "\t" + id.maker + "\t" + id.modelName;
        });
    });
}

int16_t getmodelcapabilities(char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return identityText(buf, len, [](const PhoneIdentity &id) { return id.capabilities; });
    });
}

int16_t lookupnetwork(char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return textFromPhone(buf, len, [](Phone &phone, PhoneLink &, std::string &text) {
            NetworkStatus n;
            const int16_t code = phone.readNetwork(n);
            text = n.providerName + "\t" + n.country + "\t" + n.serviceCentre;
            return code;
        });
    });
}

int16_t phoneeng_network_name(const char *code, char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        if (!buf || len <= 0) {
            return PE_BAD_ARGUMENT;
        }
        buf[0] = '\0';
        const std::string text = textIn(code);
        if (text.size() < 6 || text[3] != ' ') {
            return PE_BAD_ARGUMENT;
        }
        const std::optional<NetworkName> name = networkNameFor(text);
        return name ? textOut(buf, len, name->provider + "\t" + name->country) : int16_t{PE_EMPTY};
    });
}

int16_t getnetworkinfo(char *code, int32_t codelen, char *cell, int32_t celllen, char *area,
                       int32_t arealen) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        if (!fieldOk(code, codelen) || !fieldOk(cell, celllen) || !fieldOk(area, arealen)) {
            return PE_BAD_ARGUMENT;
        }
        clearField(code, codelen);
        clearField(cell, celllen);
        clearField(area, arealen);
        return withPhone([&](Phone &phone, PhoneLink &) -> int16_t {
            NetworkStatus n;
            const int16_t read = phone.readNetwork(n);
            if (read != PE_OK) {
                return read;
            }
            if (codelen > 0) {
                textOut(code, codelen, n.providerCode);
            }
            if (celllen > 0) {
                textOut(cell, celllen, n.cellId);
            }
            if (arealen > 0) {
                textOut(area, arealen, n.areaCode);
            }
            return PE_OK;
        });
    });
}

int16_t getrflevel(int32_t *v) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) -> int16_t {
            NetworkStatus n;
            const int16_t code = phone.readNetwork(n);
            if (code == PE_OK) {
                valueOut(v, n.rfLevel);
            }
            return code;
        });
    });
}

int16_t getbatterylevel(int32_t *v) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) -> int16_t {
            NetworkStatus n;
            const int16_t code = phone.readNetwork(n);
            if (code == PE_OK) {
                valueOut(v, n.batteryLevel);
            }
            return code;
        });
    });
}

int32_t uses_acdc_power(void) {
    return barrier(int32_t{0}, [&]() -> int32_t {
        return withPhone<int32_t>(0, [](Phone &phone, PhoneLink &) {
            NetworkStatus n;
            return phone.readNetwork(n) == PE_OK && n.mainsPower ? 1 : 0;
        });
    });
}

int16_t getdisplaystatus(char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return textFromPhone(buf, len, [](Phone &phone, PhoneLink &, std::string &text) {
            return phone.readDisplayStatus(text);
        });
    });
}

}  // extern "C"
