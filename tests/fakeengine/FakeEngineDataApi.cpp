// The engine call set of the recording fake engine: phonebook, logo and ring tone. Every
// function records its call and answers from the script (FakeCall).
#include "FakeCall.h"
#include "phoneeng.h"

using Out = int32_t *;  // an out value

extern "C" {

FAKE(int16_t, getphonebookentry,
     (int32_t loc, int32_t mem, char *name, int32_t namelen, char *number, int32_t numlen,
      Out group),
     .num(loc).num(mem).buf(name, namelen).num(namelen).buf(number, numlen).num(numlen).out(group))

FAKE(int16_t, setphonebookentry,
     (int32_t loc, int32_t mem, const char *name, const char *number, int32_t group),
     .num(loc).num(mem).text(name).text(number).num(group))

FAKE(int16_t, deletephonebookentry, (int32_t loc, int32_t mem), .num(loc).num(mem))

FAKE(int16_t, getspeeddial, (int32_t loc, Out mem, Out number), .num(loc).out(mem).out(number))

FAKE(int16_t, setspeeddial, (int32_t loc, int32_t mem, int32_t number),
     .num(loc).num(mem).num(number))

FAKE(int16_t, logo_readfile, (const char *path), .text(path))

FAKE(int16_t, logo_writefile, (const char *path), .text(path))

FAKE(int16_t, logo_writebmp, (const char *path), .text(path))

FAKE(int16_t, logo_upload, (void), )

FAKE(int16_t, logo_download, (int32_t type), .num(type))

FAKE(int16_t, logo_setdata, (int32_t type, const char *netcode), .num(type).text(netcode))

FAKE(int16_t, logo_getdata, (Out type, Out width, Out height, char *netcode, int32_t len),
     .out(type).out(width).out(height).buf(netcode, len).num(len))

FAKE(int16_t, logo_setgroupnumber, (int32_t n), .num(n))

FAKE(int32_t, logo_getgroupnumber, (void), )

FAKE(int16_t, logo_setgroupname, (const char *name), .text(name))

FAKE(int16_t, logo_getgroupname, (char *buf, int32_t len), .buf(buf, len).num(len))

FAKE(int16_t, logo_setpixel, (int32_t x, int32_t y, int16_t value), .num(x).num(y).num(value))

FAKE(int16_t, logo_getpixel, (int32_t x, int32_t y), .num(x).num(y))

FAKE(int16_t, logo_setmessage, (const void *data, int32_t bytes, int32_t unicode),
     .data(data, bytes, unicode == 1).num(bytes).num(unicode))

FAKE(int16_t, logo_getmessagedata, (Out length, Out unicode), .out(length).out(unicode))

FAKE(int16_t, logo_getmessagetext, (void *buf, int32_t len), .anyBuf(buf, len).num(len))

FAKE(int16_t, sendoplogoviasms, (const char *dest), .text(dest))

FAKE(int16_t, logo_sendsiemensota, (const char *dest, int32_t a, int32_t b),
     .text(dest).num(a).num(b))

FAKE(int32_t, logo_getlastreceived, (void), )

FAKE(int16_t, ringtone_readfile, (const char *path), .text(path))

FAKE(int16_t, ringtone_writefile, (const char *path), .text(path))

FAKE(int16_t, ringtone_upload, (int16_t location), .num(location))

FAKE(int16_t, ringtone_setdefstyle, (int32_t style), .num(style))

FAKE(int32_t, ringtone_getstyle, (int16_t note), .num(note))

FAKE(int16_t, ringtone_setnote, (int16_t i, const char *note), .num(i).text(note))

FAKE(int16_t, ringtone_getnote, (int16_t i, char *buf, int32_t len), .num(i).buf(buf, len).num(len))

FAKE(int16_t, ringtone_setnotes, (int16_t n), .num(n))

FAKE(int16_t, ringtone_getnotes, (void), )

FAKE(int16_t, ringtone_settempo, (int16_t bpm), .num(bpm))

FAKE(int16_t, ringtone_gettempo, (void), )

FAKE(int16_t, ringtone_setname, (const char *name), .text(name))

FAKE(int16_t, ringtone_getname, (char *buf, int32_t len), .buf(buf, len).num(len))

FAKE(int16_t, ringtone_sendsms, (const char *dest), .text(dest))

FAKE(int16_t, play_tone, (int32_t kind, int32_t tone, int32_t ms), .num(kind).num(tone).num(ms))

}  // extern "C"
