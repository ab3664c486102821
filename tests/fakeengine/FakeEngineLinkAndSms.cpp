// The engine call set of the recording fake engine: link, polling, phone data, actions, clock and
// SMS. Every function records its call and answers from the script (FakeCall).
#include "FakeCall.h"
#include "phoneeng.h"

using fakeengine::FakeCall;

extern "C" {

PHONEENG_API int16_t init(const char *port, int32_t type) {
    return FakeCall("init").text(port).num(type).finish<int16_t>();
}

PHONEENG_API void terminate(void) {
    FakeCall("terminate").finish<int>();
}

PHONEENG_API void set_vlkr_instance(intptr_t handle) {
    FakeCall("set_vlkr_instance").num(handle).finish<int>();
}

PHONEENG_API int32_t isalive(void) {
    return FakeCall("isalive").finish<int32_t>();
}

PHONEENG_API int32_t incomingevent(void) {
    return FakeCall("incomingevent").finish<int32_t>();
}

PHONEENG_API int16_t incoming(char *buf, int32_t len) {
    return FakeCall("incoming").buf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int16_t incomingname(char *buf, int32_t len) {
    return FakeCall("incomingname").buf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int32_t smsreceivedcount(void) {
    return FakeCall("smsreceivedcount").finish<int32_t>();
}

PHONEENG_API int32_t getsmssendack(int32_t *data, int32_t *ack) {
    return FakeCall("getsmssendack").out(data).out(ack).finish<int32_t>();
}

PHONEENG_API int32_t bitmap_received(void) {
    return FakeCall("bitmap_received").finish<int32_t>();
}

PHONEENG_API int16_t getimei(char *buf, int32_t len) {
    return FakeCall("getimei").buf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int16_t getmodel(char *buf, int32_t len) {
    return FakeCall("getmodel").buf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int16_t getrevision(char *buf, int32_t len) {
    return FakeCall("getrevision").buf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int16_t getswdate(char *buf, int32_t len) {
    return FakeCall("getswdate").buf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int16_t lookupmodel(char *buf, int32_t len) {
    return FakeCall("lookupmodel").buf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int16_t getmodelcapabilities(char *buf, int32_t len) {
    return FakeCall("getmodelcapabilities").buf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int16_t lookupnetwork(char *buf, int32_t len) {
    return FakeCall("lookupnetwork").buf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int16_t getnetworkinfo(char *code, int32_t codelen, char *cell, int32_t celllen,
                                    char *area, int32_t arealen) {
    return FakeCall("getnetworkinfo")
        .buf(code, codelen)
        .num(codelen)
        .buf(cell, celllen)
        .num(celllen)
        .buf(area, arealen)
        .num(arealen)
        .finish<int16_t>();
}

PHONEENG_API int16_t getrflevel(int32_t *v) {
    return FakeCall("getrflevel").out(v).finish<int16_t>();
}

PHONEENG_API int16_t getbatterylevel(int32_t *v) {
    return FakeCall("getbatterylevel").out(v).finish<int16_t>();
}

PHONEENG_API int32_t uses_acdc_power(void) {
    return FakeCall("uses_acdc_power").finish<int32_t>();
}

PHONEENG_API int16_t getdisplaystatus(char *buf, int32_t len) {
    return FakeCall("getdisplaystatus").buf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int16_t dialvoice(const char *number) {
    return FakeCall("dialvoice").text(number).finish<int16_t>();
}

PHONEENG_API int16_t send_dtmf(const char *digits) {
    return FakeCall("send_dtmf").text(digits).finish<int16_t>();
}

PHONEENG_API int16_t sendkeystrokes(const char *keys) {
    return FakeCall("sendkeystrokes").text(keys).finish<int16_t>();
}

PHONEENG_API int16_t reset(const char *mode) {
    return FakeCall("reset").text(mode).finish<int16_t>();
}

PHONEENG_API int16_t hangup(void) {
    return FakeCall("hangup").finish<int16_t>();
}

PHONEENG_API int16_t answercall(void) {
    return FakeCall("answercall").finish<int16_t>();
}

PHONEENG_API int16_t gsmbeep(int32_t on) {
    return FakeCall("gsmbeep").num(on).finish<int16_t>();
}

PHONEENG_API int16_t netmonitor(const char *mode, char *buf, int32_t len) {
    return FakeCall("netmonitor").text(mode).buf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int16_t setlogo(const char *kind, const char *value, const char *extra) {
    return FakeCall("setlogo").text(kind).text(value).text(extra).finish<int16_t>();
}

PHONEENG_API int16_t setdatetime(int32_t y, int32_t mo, int32_t d, int32_t h, int32_t mi,
                                 int32_t s) {
    return FakeCall("setdatetime").num(y).num(mo).num(d).num(h).num(mi).num(s).finish<int16_t>();
}

PHONEENG_API int16_t getdatetime(int32_t *y, int32_t *mo, int32_t *d, int32_t *h, int32_t *mi,
                                 int32_t *s) {
    return FakeCall("getdatetime").out(y).out(mo).out(d).out(h).out(mi).out(s).finish<int16_t>();
}

PHONEENG_API int16_t setalarm(int32_t h, int32_t mi) {
    return FakeCall("setalarm").num(h).num(mi).finish<int16_t>();
}

PHONEENG_API int16_t getalarm(int32_t *on, int32_t *h, int32_t *mi) {
    return FakeCall("getalarm").out(on).out(h).out(mi).finish<int16_t>();
}

PHONEENG_API int16_t sendsms(const char *dest, const char *message, int32_t settingset,
                             int32_t flags) {
    return FakeCall("sendsms")
        .text(dest)
        .text(message)
        .num(settingset)
        .num(flags)
        .finish<int16_t>();
}

PHONEENG_API int16_t senducs2(const char *dest, const uint16_t *message, int32_t settingset,
                              int32_t flags) {
    return FakeCall("senducs2")
        .text(dest)
        .utf16(message)
        .num(settingset)
        .num(flags)
        .finish<int16_t>();
}

PHONEENG_API int16_t sendsiemensota(const char *dest, const char *file, int32_t settingset,
                                    int32_t flags) {
    return FakeCall("sendsiemensota")
        .text(dest)
        .text(file)
        .num(settingset)
        .num(flags)
        .finish<int16_t>();
}

PHONEENG_API int32_t getsms(int32_t k, char *buf1, int32_t len1, char *buf2, int32_t len2) {
    return FakeCall("getsms")
        .num(k)
        .buf(buf1, len1)
        .num(len1)
        .buf(buf2, len2)
        .num(len2)
        .finish<int32_t>();
}

PHONEENG_API int16_t updatesmslist(void) {
    return FakeCall("updatesmslist").finish<int16_t>();
}

PHONEENG_API int16_t getsmsmsgunread(void) {
    return FakeCall("getsmsmsgunread").finish<int16_t>();
}

PHONEENG_API int16_t getsmsmsgtotal(void) {
    return FakeCall("getsmsmsgtotal").finish<int16_t>();
}

PHONEENG_API int16_t getsmsmsgcount(int32_t box) {
    return FakeCall("getsmsmsgcount").num(box).finish<int16_t>();
}

PHONEENG_API int32_t getsmsmsgdata(int32_t box, int32_t n, int32_t field, void *buf, int32_t len) {
    return FakeCall("getsmsmsgdata")
        .num(box)
        .num(n)
        .num(field)
        .anyBuf(buf, len)
        .num(len)
        .finish<int32_t>();
}

PHONEENG_API int16_t getsmsmsgdatetime(int32_t box, int32_t n, int32_t *y, int32_t *mo, int32_t *d,
                                       int32_t *h, int32_t *mi, int32_t *s) {
    return FakeCall("getsmsmsgdatetime")
        .num(box)
        .num(n)
        .out(y)
        .out(mo)
        .out(d)
        .out(h)
        .out(mi)
        .out(s)
        .finish<int16_t>();
}

PHONEENG_API int32_t getsmssentread(int32_t box, int32_t n) {
    return FakeCall("getsmssentread").num(box).num(n).finish<int32_t>();
}

PHONEENG_API int16_t deletesmsmsg(int32_t box, int32_t n) {
    return FakeCall("deletesmsmsg").num(box).num(n).finish<int16_t>();
}

PHONEENG_API int16_t setsmsmessagecenter(int32_t set, const char *number) {
    return FakeCall("setsmsmessagecenter").num(set).text(number).finish<int16_t>();
}

PHONEENG_API int16_t getsmsmessagecenter(char *buf, int32_t len) {
    return FakeCall("getsmsmessagecenter").buf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int16_t setsmstimeout(int32_t ms) {
    return FakeCall("setsmstimeout").num(ms).finish<int16_t>();
}

PHONEENG_API int32_t getsmstimeout(void) {
    return FakeCall("getsmstimeout").finish<int32_t>();
}

PHONEENG_API int16_t set_smssenddelay(int32_t ms) {
    return FakeCall("set_smssenddelay").num(ms).finish<int16_t>();
}

PHONEENG_API int32_t get_smssenddelay(void) {
    return FakeCall("get_smssenddelay").finish<int32_t>();
}

PHONEENG_API int16_t set_codepage(int32_t cp) {
    return FakeCall("set_codepage").num(cp).finish<int16_t>();
}

PHONEENG_API int32_t get_codepage(void) {
    return FakeCall("get_codepage").finish<int32_t>();
}

PHONEENG_API int16_t setsmssendmode(int16_t mustwait) {
    return FakeCall("setsmssendmode").num(mustwait).finish<int16_t>();
}

PHONEENG_API int32_t getsmssendmode(void) {
    return FakeCall("getsmssendmode").finish<int32_t>();
}

PHONEENG_API int32_t smssendwaiting(void) {
    return FakeCall("smssendwaiting").finish<int32_t>();
}

PHONEENG_API int16_t sms_setpid(uint8_t pid) {
    return FakeCall("sms_setpid").num(pid).finish<int16_t>();
}

PHONEENG_API uint8_t sms_getpid(void) {
    return FakeCall("sms_getpid").finish<uint8_t>();
}

PHONEENG_API int16_t sms_setdcs(uint8_t dcs) {
    return FakeCall("sms_setdcs").num(dcs).finish<int16_t>();
}

PHONEENG_API uint8_t sms_getdcs(void) {
    return FakeCall("sms_getdcs").finish<uint8_t>();
}

}  // extern "C"
