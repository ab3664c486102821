// The engine call set of the recording fake engine: phonebook, logo, ring tone and the virtual
// phone. Every function records its call and answers from the script (FakeCall).
#include "FakeCall.h"
#include "phoneeng.h"

using fakeengine::FakeCall;

extern "C" {

PHONEENG_API int16_t getphonebookentry(int32_t loc, int32_t mem, char *name, int32_t namelen,
                                       char *number, int32_t numlen, int32_t *group) {
    return FakeCall("getphonebookentry")
        .num(loc)
        .num(mem)
        .buf(name, namelen)
        .num(namelen)
        .buf(number, numlen)
        .num(numlen)
        .out(group)
        .finish<int16_t>();
}

PHONEENG_API int16_t setphonebookentry(int32_t loc, int32_t mem, const char *name,
                                       const char *number, int32_t group) {
    return FakeCall("setphonebookentry")
        .num(loc)
        .num(mem)
        .text(name)
        .text(number)
        .num(group)
        .finish<int16_t>();
}

PHONEENG_API int16_t deletephonebookentry(int32_t loc, int32_t mem) {
    return FakeCall("deletephonebookentry").num(loc).num(mem).finish<int16_t>();
}

PHONEENG_API int16_t getspeeddial(int32_t loc, int32_t *mem, int32_t *number) {
    return FakeCall("getspeeddial").num(loc).out(mem).out(number).finish<int16_t>();
}

PHONEENG_API int16_t setspeeddial(int32_t loc, int32_t mem, int32_t number) {
    return FakeCall("setspeeddial").num(loc).num(mem).num(number).finish<int16_t>();
}

PHONEENG_API int16_t logo_readfile(const char *path) {
    return FakeCall("logo_readfile").text(path).finish<int16_t>();
}

PHONEENG_API int16_t logo_writefile(const char *path) {
    return FakeCall("logo_writefile").text(path).finish<int16_t>();
}

PHONEENG_API int16_t logo_writebmp(const char *path) {
    return FakeCall("logo_writebmp").text(path).finish<int16_t>();
}

PHONEENG_API int16_t logo_upload(void) {
    return FakeCall("logo_upload").finish<int16_t>();
}

PHONEENG_API int16_t logo_download(int32_t type) {
    return FakeCall("logo_download").num(type).finish<int16_t>();
}

PHONEENG_API int16_t logo_setdata(int32_t type, const char *netcode) {
    return FakeCall("logo_setdata").num(type).text(netcode).finish<int16_t>();
}

PHONEENG_API int16_t logo_getdata(int32_t *type, int32_t *width, int32_t *height, char *netcode,
                                  int32_t len) {
    return FakeCall("logo_getdata")
        .out(type)
        .out(width)
        .out(height)
        .buf(netcode, len)
        .num(len)
        .finish<int16_t>();
}

PHONEENG_API int16_t logo_setgroupnumber(int32_t n) {
    return FakeCall("logo_setgroupnumber").num(n).finish<int16_t>();
}

PHONEENG_API int32_t logo_getgroupnumber(void) {
    return FakeCall("logo_getgroupnumber").finish<int32_t>();
}

PHONEENG_API int16_t logo_setgroupname(const char *name) {
    return FakeCall("logo_setgroupname").text(name).finish<int16_t>();
}

PHONEENG_API int16_t logo_getgroupname(char *buf, int32_t len) {
    return FakeCall("logo_getgroupname").buf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int16_t logo_setpixel(int32_t x, int32_t y, int16_t value) {
    return FakeCall("logo_setpixel").num(x).num(y).num(value).finish<int16_t>();
}

PHONEENG_API int16_t logo_getpixel(int32_t x, int32_t y) {
    return FakeCall("logo_getpixel").num(x).num(y).finish<int16_t>();
}

PHONEENG_API int16_t logo_setmessage(const void *data, int32_t bytes, int32_t unicode) {
    return FakeCall("logo_setmessage")
        .data(data, bytes, unicode == 1)
        .num(bytes)
        .num(unicode)
        .finish<int16_t>();
}

PHONEENG_API int16_t logo_getmessagedata(int32_t *length, int32_t *unicode) {
    return FakeCall("logo_getmessagedata").out(length).out(unicode).finish<int16_t>();
}

PHONEENG_API int16_t logo_getmessagetext(void *buf, int32_t len) {
    return FakeCall("logo_getmessagetext").anyBuf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int16_t sendoplogoviasms(const char *dest) {
    return FakeCall("sendoplogoviasms").text(dest).finish<int16_t>();
}

PHONEENG_API int16_t logo_sendsiemensota(const char *dest, int32_t a, int32_t b) {
    return FakeCall("logo_sendsiemensota").text(dest).num(a).num(b).finish<int16_t>();
}

PHONEENG_API int32_t logo_getlastreceived(void) {
    return FakeCall("logo_getlastreceived").finish<int32_t>();
}

PHONEENG_API int16_t ringtone_readfile(const char *path) {
    return FakeCall("ringtone_readfile").text(path).finish<int16_t>();
}

PHONEENG_API int16_t ringtone_writefile(const char *path) {
    return FakeCall("ringtone_writefile").text(path).finish<int16_t>();
}

PHONEENG_API int16_t ringtone_upload(int16_t location) {
    return FakeCall("ringtone_upload").num(location).finish<int16_t>();
}

PHONEENG_API int16_t ringtone_setdefstyle(int32_t style) {
    return FakeCall("ringtone_setdefstyle").num(style).finish<int16_t>();
}

PHONEENG_API int32_t ringtone_getstyle(int16_t note) {
    return FakeCall("ringtone_getstyle").num(note).finish<int32_t>();
}

PHONEENG_API int16_t ringtone_setnote(int16_t i, const char *note) {
    return FakeCall("ringtone_setnote").num(i).text(note).finish<int16_t>();
}

PHONEENG_API int16_t ringtone_getnote(int16_t i, char *buf, int32_t len) {
    return FakeCall("ringtone_getnote").num(i).buf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int16_t ringtone_setnotes(int16_t n) {
    return FakeCall("ringtone_setnotes").num(n).finish<int16_t>();
}

PHONEENG_API int16_t ringtone_getnotes(void) {
    return FakeCall("ringtone_getnotes").finish<int16_t>();
}

PHONEENG_API int16_t ringtone_settempo(int16_t bpm) {
    return FakeCall("ringtone_settempo").num(bpm).finish<int16_t>();
}

PHONEENG_API int16_t ringtone_gettempo(void) {
    return FakeCall("ringtone_gettempo").finish<int16_t>();
}

PHONEENG_API int16_t ringtone_setname(const char *name) {
    return FakeCall("ringtone_setname").text(name).finish<int16_t>();
}

PHONEENG_API int16_t ringtone_getname(char *buf, int32_t len) {
    return FakeCall("ringtone_getname").buf(buf, len).num(len).finish<int16_t>();
}

PHONEENG_API int16_t ringtone_sendsms(const char *dest) {
    return FakeCall("ringtone_sendsms").text(dest).finish<int16_t>();
}

PHONEENG_API int16_t play_tone(int32_t kind, int32_t tone, int32_t ms) {
    return FakeCall("play_tone").num(kind).num(tone).num(ms).finish<int16_t>();
}

PHONEENG_API int16_t phoneeng_virtual_incoming_call(const char *number, const char *name) {
    return FakeCall("phoneeng_virtual_incoming_call").text(number).text(name).finish<int16_t>();
}

}  // extern "C"
