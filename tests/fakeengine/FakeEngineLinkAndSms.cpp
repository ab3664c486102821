// The engine call set of the recording fake engine: link, polling, phone data, actions, clock and
// SMS. Every function records its call and answers from the script (FakeCall).
#include "FakeCall.h"
#include "phoneeng.h"

using Out = int32_t *;  // an out value

extern "C" {

FAKE(int16_t, init, (const char *port, int32_t type), .text(port).num(type))

FAKE(void, terminate, (void), )

FAKE(void, set_vlkr_instance, (intptr_t handle), .num(handle))

FAKE(int32_t, isalive, (void), )

FAKE(int32_t, incomingevent, (void), )

FAKE(int16_t, incoming, (char *buf, int32_t len), .buf(buf, len).num(len))

FAKE(int16_t, incomingname, (char *buf, int32_t len), .buf(buf, len).num(len))

FAKE(int32_t, smsreceivedcount, (void), )

FAKE(int32_t, getsmssendack, (Out data, Out ack), .out(data).out(ack))

FAKE(int32_t, bitmap_received, (void), )

FAKE(int16_t, getimei, (char *buf, int32_t len), .buf(buf, len).num(len))

FAKE(int16_t, getmodel, (char *buf, int32_t len), .buf(buf, len).num(len))

FAKE(int16_t, getrevision, (char *buf, int32_t len), .buf(buf, len).num(len))

FAKE(int16_t, getswdate, (char *buf, int32_t len), .buf(buf, len).num(len))

FAKE(int16_t, lookupmodel, (char *buf, int32_t len), .buf(buf, len).num(len))

FAKE(int16_t, getmodelcapabilities, (char *buf, int32_t len), .buf(buf, len).num(len))

FAKE(int16_t, lookupnetwork, (char *buf, int32_t len), .buf(buf, len).num(len))

FAKE(int16_t, getnetworkinfo,
     (char *code, int32_t codelen, char *cell, int32_t celllen, char *area, int32_t arealen),
     .buf(code, codelen)
         .num(codelen)
         .buf(cell, celllen)
         .num(celllen)
         .buf(area, arealen)
         .num(arealen))

FAKE(int16_t, getrflevel, (Out v), .out(v))

FAKE(int16_t, getbatterylevel, (Out v), .out(v))

FAKE(int32_t, uses_acdc_power, (void), )

FAKE(int16_t, getdisplaystatus, (char *buf, int32_t len), .buf(buf, len).num(len))

FAKE(int16_t, dialvoice, (const char *number), .text(number))

FAKE(int16_t, send_dtmf, (const char *digits), .text(digits))

FAKE(int16_t, sendkeystrokes, (const char *keys), .text(keys))

FAKE(int16_t, reset, (const char *mode), .text(mode))

FAKE(int16_t, hangup, (void), )

FAKE(int16_t, answercall, (void), )

FAKE(int16_t, gsmbeep, (int32_t on), .num(on))

FAKE(int16_t, netmonitor, (const char *mode, char *buf, int32_t len),
     .text(mode).buf(buf, len).num(len))

FAKE(int16_t, setlogo, (const char *kind, const char *value, const char *extra),
     .text(kind).text(value).text(extra))

FAKE(int16_t, setdatetime, (int32_t y, int32_t mo, int32_t d, int32_t h, int32_t mi, int32_t s),
     .num(y).num(mo).num(d).num(h).num(mi).num(s))

FAKE(int16_t, getdatetime, (Out y, Out mo, Out d, Out h, Out mi, Out s),
     .out(y).out(mo).out(d).out(h).out(mi).out(s))

FAKE(int16_t, setalarm, (int32_t h, int32_t mi), .num(h).num(mi))

FAKE(int16_t, getalarm, (Out on, Out h, Out mi), .out(on).out(h).out(mi))

FAKE(int16_t, sendsms, (const char *dest, const char *message, int32_t settingset, int32_t flags),
     .text(dest).text(message).num(settingset).num(flags))

FAKE(int16_t, senducs2,
     (const char *dest, const uint16_t *message, int32_t settingset, int32_t flags),
     .text(dest).utf16(message).num(settingset).num(flags))

FAKE(int16_t, sendsiemensota,
     (const char *dest, const char *file, int32_t settingset, int32_t flags),
     .text(dest).text(file).num(settingset).num(flags))

FAKE(int32_t, getsms, (int32_t k, char *buf1, int32_t len1, char *buf2, int32_t len2),
     .num(k).buf(buf1, len1).num(len1).buf(buf2, len2).num(len2))

FAKE(int16_t, updatesmslist, (void), )

FAKE(int16_t, getsmsmsgunread, (void), )

FAKE(int16_t, getsmsmsgtotal, (void), )

FAKE(int16_t, getsmsmsgcount, (int32_t box), .num(box))

FAKE(int32_t, getsmsmsgdata, (int32_t box, int32_t n, int32_t field, void *buf, int32_t len),
     .num(box).num(n).num(field).anyBuf(buf, len).num(len))

FAKE(int16_t, getsmsmsgdatetime,
     (int32_t box, int32_t n, Out y, Out mo, Out d, Out h, Out mi, Out s),
     .num(box).num(n).out(y).out(mo).out(d).out(h).out(mi).out(s))

FAKE(int32_t, getsmssentread, (int32_t box, int32_t n), .num(box).num(n))

FAKE(int16_t, deletesmsmsg, (int32_t box, int32_t n), .num(box).num(n))

FAKE(int16_t, setsmsmessagecenter, (int32_t set, const char *number), .num(set).text(number))

FAKE(int16_t, getsmsmessagecenter, (char *buf, int32_t len), .buf(buf, len).num(len))

FAKE(int16_t, setsmstimeout, (int32_t ms), .num(ms))

FAKE(int32_t, getsmstimeout, (void), )

FAKE(int16_t, set_smssenddelay, (int32_t ms), .num(ms))

FAKE(int32_t, get_smssenddelay, (void), )

FAKE(int16_t, set_codepage, (int32_t cp), .num(cp))

FAKE(int32_t, get_codepage, (void), )

FAKE(int16_t, setsmssendmode, (int16_t mustwait), .num(mustwait))

FAKE(int32_t, getsmssendmode, (void), )

FAKE(int32_t, smssendwaiting, (void), )

FAKE(int16_t, sms_setpid, (uint8_t pid), .num(pid))

FAKE(uint8_t, sms_getpid, (void), )

FAKE(int16_t, sms_setdcs, (uint8_t dcs), .num(dcs))

FAKE(uint8_t, sms_getdcs, (void), )

}  // extern "C"
