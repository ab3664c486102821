/*
 * phoneeng: the phone engine's C call set.
 *
 * This header is a binary contract. The phone-control library loads
 * libphoneeng.so by name and looks every function up by name on its first
 * call, and the recording fake engine of the tests exports the same set, so
 * the names and C types below must not change.
 *
 * Conventions used throughout:
 *  - Texts going in are NUL-terminated 8-bit ISO-8859-1 strings; a null pointer
 *    counts as "".
 *  - Texts coming back go into a caller buffer (buf, len): the engine writes
 *    NUL-terminated text of at most len bytes including the NUL and never
 *    writes past len. Callers pre-fill with blanks and cut at the first NUL.
 *    len <= 0 or a null buf gives PE_BAD_ARGUMENT. In getnetworkinfo and
 *    logo_getdata a len of 0 means "this field is not wanted".
 *  - int32_t out pointers are written by the engine; a null pointer is skipped.
 *  - Results of type int16_t are codes: PE_OK (0) or one of the PE_ codes.
 *  - The engine holds one logo and one ring tone per process. The link to a
 *    phone, and everything that needs one, belongs to the current instance
 *    chosen by set_vlkr_instance (instance 0 before any call of it).
 *  - No function blocks for long (a link that does not answer gives PE_TIMEOUT
 *    within 10 seconds), throws or aborts; a bad argument gives a code.
 *
 * Copyright (C) 2026 The Glyphsmith developers
 * SPDX-License-Identifier: GPL-3.0-or-later
 */
#ifndef PHONEENG_H
#define PHONEENG_H

#include <stdint.h>

#if defined(_WIN32)
#define PHONEENG_API __declspec(dllexport)
#else
#define PHONEENG_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Result codes ------------------------------------------------------ */
#define PE_OK 0             /* success */
#define PE_NOT_CONNECTED 1  /* no link to a phone */
#define PE_TIMEOUT 2        /* the phone did not answer */
#define PE_NO_SUCH_PORT 4   /* the port text names no device that can be opened */
#define PE_NOT_SUPPORTED 5  /* the phone or the engine cannot do this */
#define PE_BAD_ARGUMENT 6   /* an argument is out of range or malformed */
#define PE_FILE_OPEN 7      /* a file cannot be opened or created */
#define PE_FILE_FORMAT 8    /* a file is damaged or of an unknown format */
#define PE_FILE_WRITE 9     /* a file cannot be written completely */
#define PE_EMPTY 10         /* the location holds nothing */
#define PE_PHONE_ERROR 11   /* the phone refused the request */
#define PE_PAST_END 22      /* the location lies past the end of the memory */

/* ---- Enumerated values used by the call set ---------------------------- */
/* Connection types (init). */
#define PE_CONNECTION_SERIAL 0
#define PE_CONNECTION_INFRARED 1
/* Logo types: size fixed by type. Pixel values: 0 set (black), 1 clear. */
#define PE_LOGO_NONE 0     /* 0 x 0 */
#define PE_LOGO_STARTUP 1  /* 84 x 48 */
#define PE_LOGO_OPERATOR 2 /* 72 x 14 */
#define PE_LOGO_CALLER 3   /* 72 x 14 */
#define PE_LOGO_PICTURE 4  /* 72 x 28 */
/* SMS boxes; locations in a box count from 1. */
#define PE_BOX_OUTBOX 11
#define PE_BOX_REPORTS 12
#define PE_BOX_INBOX 13
/* getsms past the last message. */
#define PE_GETSMS_END 3
/* Send flag: asks for a delivery report; added to the class 0..3. */
#define PE_SMS_DELIVERY_REPORT 0x10000
/* getsmsmsgdata fields. */
#define PE_SMSFIELD_TEXT 1
#define PE_SMSFIELD_SENDER 2
#define PE_SMSFIELD_DESTINATION 3
#define PE_SMSFIELD_LENGTH 4
#define PE_SMSFIELD_ENCODING 5
#define PE_SMSFIELD_SMSC 6
/* Memory types; locations count from 1. */
#define PE_MEM_PHONE 0
#define PE_MEM_SIM 1
#define PE_MEM_FIXED_DIAL 2
#define PE_MEM_OWN_NUMBER 3
#define PE_MEM_EMERGENCY 4
#define PE_MEM_DIALLED 5
#define PE_MEM_RECEIVED 6
#define PE_MEM_MISSED 7
#define PE_MEM_LAST_DIALLED 8
#define PE_MEM_COMBINED 9
/* Ring tone styles. */
#define PE_STYLE_NATURAL 0
#define PE_STYLE_CONTINUOUS 1
#define PE_STYLE_STACCATO 2

/* ---- Link ---------------------------------------------------------------- */

/* Connects the current instance. port: "VIRTUAL" (any case) for the built-in
 * virtual phone; "COMn" for the n-th serial device (/dev/ttyS(n-1)) or a
 * device path (/dev/ttyUSB0, /dev/rfcomm0), both reached through libgammu;
 * or "gammu" / "gammuN" for section N of the user's own libgammu
 * configuration (gammurc), which names its own device and connection.
 * Each may end in one protocol letter, which may itself be followed by an
 * "F" (so "COM1DF" is COM1 with D):
 *   F  FBUS cables: plain FBUS, then the DLR-3 cable's variant (the default)
 *   D  DKU-2 USB cables: phonet over USB, then AT over USB
 *   A  AT phones and modems
 *   B  Bluetooth through a serial device such as /dev/rfcomm0
 * type: 0 serial, 1 infrared (F over infrared, A as AT over infrared).
 * An unknown, unopenable or non-terminal device gives PE_NO_SUCH_PORT at
 * once; a phone that does not answer PE_TIMEOUT within 10 seconds. A link
 * that stops answering later gives PE_TIMEOUT once, then PE_NOT_CONNECTED
 * (isalive 0) until the next init. */
PHONEENG_API int16_t init(const char *port, int32_t type);
/* Closes the current instance's link (nothing happens without one). */
PHONEENG_API void terminate(void);
/* Chooses the instance that the following calls act on. Each instance has a
 * link of its own. */
PHONEENG_API void set_vlkr_instance(intptr_t handle);
/* Nonzero while the current instance's link works. */
PHONEENG_API int32_t isalive(void);

/* ---- Polling ------------------------------------------------------------- */

/* Nonzero once per new incoming call. */
PHONEENG_API int32_t incomingevent(void);
/* Number of the current incoming call, "" when none. An international number
 * may begin with "D" in place of "+". */
PHONEENG_API int16_t incoming(char *buf, int32_t len);
/* Name of the current caller from the phonebook, or "". */
PHONEENG_API int16_t incomingname(char *buf, int32_t len);
/* Count of messages received since the link came up. */
PHONEENG_API int32_t smsreceivedcount(void);
/* Nonzero when a send acknowledgement is pending; pops it: *data = message
 * reference, *ack nonzero = delivered. */
PHONEENG_API int32_t getsmssendack(int32_t *data, int32_t *ack);
/* Nonzero once per logo that arrived by smart message. */
PHONEENG_API int32_t bitmap_received(void);

/* ---- Phone data ---------------------------------------------------------- */

PHONEENG_API int16_t getimei(char *buf, int32_t len);
/* Model code, for example "NHM-5". */
PHONEENG_API int16_t getmodel(char *buf, int32_t len);
/* "V " + software revision + "," + "HW:" + hardware revision,
 * for example "V 05.45,HW:0510". */
PHONEENG_API int16_t getrevision(char *buf, int32_t len);
/* Software date "dd-mm-yy", or "" when unknown. */
PHONEENG_API int16_t getswdate(char *buf, int32_t len);
/* Model code TAB maker TAB model name. */
PHONEENG_API int16_t lookupmodel(char *buf, int32_t len);
/* Capability letters: O operator logos, C caller-group logos, P picture
 * messages, S startup logos, R ring tones, K keys; "?" when unknown. */
PHONEENG_API int16_t getmodelcapabilities(char *buf, int32_t len);
/* Provider name TAB country TAB service centre number. */
PHONEENG_API int16_t lookupnetwork(char *buf, int32_t len);
/* Provider code ("244 05"), cell id and location area code (hex texts). A
 * length of 0 skips that field (its pointer is then not used). */
PHONEENG_API int16_t getnetworkinfo(char *code, int32_t codelen, char *cell,
                                    int32_t celllen, char *area,
                                    int32_t arealen);
/* Signal and battery level, 0 to 100. */
PHONEENG_API int16_t getrflevel(int32_t *v);
PHONEENG_API int16_t getbatterylevel(int32_t *v);
/* Nonzero on mains power. */
PHONEENG_API int32_t uses_acdc_power(void);
/* A text of "0"/"1" flags: character 1 call in progress, character 7
 * keyboard locked. */
PHONEENG_API int16_t getdisplaystatus(char *buf, int32_t len);

/* ---- Actions and clock --------------------------------------------------- */

PHONEENG_API int16_t dialvoice(const char *number);
PHONEENG_API int16_t send_dtmf(const char *digits);
PHONEENG_API int16_t sendkeystrokes(const char *keys);
/* mode "soft" or "hard". */
PHONEENG_API int16_t reset(const char *mode);
PHONEENG_API int16_t hangup(void);
PHONEENG_API int16_t answercall(void);
/* 1 starts the phone's beep, 0 stops it. */
PHONEENG_API int16_t gsmbeep(int32_t on);
/* mode "devel", "field", "off", or a two-digit screen number "01".."99";
 * buf receives the screen text. */
PHONEENG_API int16_t netmonitor(const char *mode, char *buf, int32_t len);
/* kind "text": the startup text becomes value. */
PHONEENG_API int16_t setlogo(const char *kind, const char *value,
                             const char *extra);
/* Phone clock; y is a 4-digit year. */
PHONEENG_API int16_t setdatetime(int32_t y, int32_t mo, int32_t d, int32_t h,
                                 int32_t mi, int32_t s);
PHONEENG_API int16_t getdatetime(int32_t *y, int32_t *mo, int32_t *d,
                                 int32_t *h, int32_t *mi, int32_t *s);
PHONEENG_API int16_t setalarm(int32_t h, int32_t mi);
PHONEENG_API int16_t getalarm(int32_t *on, int32_t *h, int32_t *mi);

/* ---- SMS ----------------------------------------------------------------- */
/* Boxes: 13 inbox, 11 outbox, 12 delivery reports; locations from 1.
 * flags = class (0-3), plus PE_SMS_DELIVERY_REPORT for a delivery report. */

/* Sends 8-bit text; longer messages go as concatenated parts. */
PHONEENG_API int16_t sendsms(const char *dest, const char *message,
                             int32_t settingset, int32_t flags);
/* Sends NUL-terminated UTF-16 text. */
PHONEENG_API int16_t senducs2(const char *dest, const uint16_t *message,
                              int32_t settingset, int32_t flags);
/* Sends a file as an over-the-air message (may give PE_NOT_SUPPORTED). */
PHONEENG_API int16_t sendsiemensota(const char *dest, const char *file,
                                    int32_t settingset, int32_t flags);
/* The k-th message (from 0) over all boxes, inbox first: returns its box
 * (13, 11, 12) with its number in buf1 and its text in buf2; returns 3 past
 * the last one. A pure index: no hidden cursor. */
PHONEENG_API int32_t getsms(int32_t k, char *buf1, int32_t len1, char *buf2,
                            int32_t len2);
/* Re-reads the message lists from the phone. */
PHONEENG_API int16_t updatesmslist(void);
PHONEENG_API int16_t getsmsmsgunread(void);
PHONEENG_API int16_t getsmsmsgtotal(void);
/* Messages in a box. */
PHONEENG_API int16_t getsmsmsgcount(int32_t box);
/* Field 1 text, 2 sender, 3 destination, 6 service centre: fills buf and
 * returns a code. For field 1 buf is UTF-16 (len counts 16-bit units) when
 * the message's encoding is not 0, else 8-bit. Field 4 returns the text
 * length in characters and field 5 the encoding (0 text, 1 Unicode,
 * 2 binary); buf is then unused. A binary message's text is its user data
 * (header and payload) as hexadecimal. */
PHONEENG_API int32_t getsmsmsgdata(int32_t box, int32_t n, int32_t field,
                                   void *buf, int32_t len);
PHONEENG_API int16_t getsmsmsgdatetime(int32_t box, int32_t n, int32_t *y,
                                       int32_t *mo, int32_t *d, int32_t *h,
                                       int32_t *mi, int32_t *s);
/* Nonzero when sent (outbox) or read (inbox). */
PHONEENG_API int32_t getsmssentread(int32_t box, int32_t n);
PHONEENG_API int16_t deletesmsmsg(int32_t box, int32_t n);
/* set 0: use number as the centre; set n > 0: the phone's stored centre n. */
PHONEENG_API int16_t setsmsmessagecenter(int32_t set, const char *number);
/* The centre in use. */
PHONEENG_API int16_t getsmsmessagecenter(char *buf, int32_t len);
PHONEENG_API int16_t setsmstimeout(int32_t ms);
PHONEENG_API int32_t getsmstimeout(void);
PHONEENG_API int16_t set_smssenddelay(int32_t ms);
PHONEENG_API int32_t get_smssenddelay(void);
PHONEENG_API int16_t set_codepage(int32_t cp);
PHONEENG_API int32_t get_codepage(void);
PHONEENG_API int16_t setsmssendmode(int16_t mustwait);
PHONEENG_API int32_t getsmssendmode(void);
/* Nonzero while a send is under way. */
PHONEENG_API int32_t smssendwaiting(void);
/* Protocol identifier and data coding scheme of the next send. */
PHONEENG_API int16_t sms_setpid(uint8_t pid);
PHONEENG_API uint8_t sms_getpid(void);
PHONEENG_API int16_t sms_setdcs(uint8_t dcs);
PHONEENG_API uint8_t sms_getdcs(void);

/* ---- Phonebook and speed dials -------------------------------------------- */

/* PE_PAST_END past the memory's last location; an empty location gives PE_OK
 * with "" texts and group 0. */
PHONEENG_API int16_t getphonebookentry(int32_t loc, int32_t mem, char *name,
                                       int32_t namelen, char *number,
                                       int32_t numlen, int32_t *group);
PHONEENG_API int16_t setphonebookentry(int32_t loc, int32_t mem,
                                       const char *name, const char *number,
                                       int32_t group);
PHONEENG_API int16_t deletephonebookentry(int32_t loc, int32_t mem);
/* Speed-dial keys 2 to 9 point at a phonebook location. */
PHONEENG_API int16_t getspeeddial(int32_t loc, int32_t *mem, int32_t *number);
PHONEENG_API int16_t setspeeddial(int32_t loc, int32_t mem, int32_t number);

/* ---- Logo ------------------------------------------------------------------ */
/* The engine's one logo. Caller-group numbers and picture-message locations
 * count from 0. */

/* Reads NOL, NGG, NSL, NLM, monochrome BMP or OTA bitmap, recognised by
 * content; the logo takes the file's type, size, pixels (and network code).
 * On any failure the logo is unchanged. Group number and name and the message
 * text are kept. A file of another size is cropped or padded (clear) to the
 * type's size; BMP and OTA bitmaps name no type: 72 x 28 becomes a picture
 * message, 84 x 48 a startup logo, 72 x 14 an operator logo (a caller-group
 * logo stays one). PE_FILE_OPEN: missing or unreadable; PE_FILE_FORMAT:
 * unknown, damaged, truncated, or over 1 MiB. */
PHONEENG_API int16_t logo_readfile(const char *path);
/* Format by extension (.nol .ngg .nsl .nlm .bmp .otb, any case); another
 * extension: the type's own format (operator NOL, caller group NGG, startup
 * NSL, picture NLM). Written completely or not at all (temporary file in the
 * same folder, then renamed). A logo of type 0 gives PE_EMPTY and writes
 * nothing; PE_FILE_OPEN when the file cannot be created, PE_FILE_WRITE when
 * it cannot be written. NSL always holds 84 x 48 (a smaller logo top-left);
 * the other formats hold the logo at its own size. */
PHONEENG_API int16_t logo_writefile(const char *path);
/* A 1-bit BMP of the logo. */
PHONEENG_API int16_t logo_writebmp(const char *path);
/* To and from the phone; caller-group logos and picture messages use the
 * group number as location. */
PHONEENG_API int16_t logo_upload(void);
PHONEENG_API int16_t logo_download(int32_t type);
/* Sets the type (pixels that fit the new size are kept) and the network code
 * "MCC MNC". The code is kept normalised ("244 5", "244-05" and "24405" become
 * "244 05"); "" or null means none. An unknown type or a malformed code gives
 * PE_BAD_ARGUMENT and changes nothing. */
PHONEENG_API int16_t logo_setdata(int32_t type, const char *netcode);
/* len 0: no network code is written. */
PHONEENG_API int16_t logo_getdata(int32_t *type, int32_t *width,
                                  int32_t *height, char *netcode, int32_t len);
/* n < 0: PE_BAD_ARGUMENT. */
PHONEENG_API int16_t logo_setgroupnumber(int32_t n);
PHONEENG_API int32_t logo_getgroupnumber(void);
/* At most 255 bytes, else PE_BAD_ARGUMENT. */
PHONEENG_API int16_t logo_setgroupname(const char *name);
PHONEENG_API int16_t logo_getgroupname(char *buf, int32_t len);
/* Outside the logo: set is ignored (PE_BAD_ARGUMENT), get returns 1. */
PHONEENG_API int16_t logo_setpixel(int32_t x, int32_t y, int16_t value);
PHONEENG_API int16_t logo_getpixel(int32_t x, int32_t y);
/* Picture-message text: 8-bit, or UTF-16 (native byte order) when unicode is
 * 1; bytes is the byte count of data. The text ends at its first NUL. More
 * than 511 characters, an odd byte count for UTF-16, unicode other than 0 or
 * 1, or null data with bytes > 0: PE_BAD_ARGUMENT, the text is kept. */
PHONEENG_API int16_t logo_setmessage(const void *data, int32_t bytes,
                                     int32_t unicode);
/* Text length in characters and its encoding (1 = UTF-16). */
PHONEENG_API int16_t logo_getmessagedata(int32_t *length, int32_t *unicode);
/* The text, 8-bit or UTF-16 by its encoding; len in characters of that
 * encoding, the terminating NUL included. */
PHONEENG_API int16_t logo_getmessagetext(void *buf, int32_t len);
/* Sends the logo as a smart message: operator, caller group or picture
 * message (with its text); a startup logo gives PE_NOT_SUPPORTED. */
PHONEENG_API int16_t sendoplogoviasms(const char *dest);
/* Another phone family's picture message (may give PE_NOT_SUPPORTED). */
PHONEENG_API int16_t logo_sendsiemensota(const char *dest, int32_t a,
                                         int32_t b);
/* Nonzero when a logo that arrived by smart message was loaded into the
 * logo. */
PHONEENG_API int32_t logo_getlastreceived(void);

/* ---- Ring tone ------------------------------------------------------------- */
/* The engine's one ring tone. A note's text: optional digits (the length as
 * the denominator of a whole note), a note name "C2" to "G#10" (sharps with
 * "#", "A5" = 440 Hz) or "P" for a pause, optional "." (dotted): "4C6",
 * "8A#5.", "16P". RTTTL octave n is table octave n + 1. Entries that are not
 * notes (a style change read from a file) have texts beginning with "S":
 * "SN", "SC", "SS" set natural, continuous or staccato for the notes after
 * them. The engine keeps note texts canonical: length digits always, upper
 * case, "B" (not "H"), the dot last ("c.6" is kept as "4C6.").
 * A new ring tone: name "", tempo 63, natural style, no notes. At most 255
 * entries, a name of at most 20 characters, tempos 25 to 900. */

/* RTTTL text, or the ring tone binary for .ott. On failure the tone is
 * unchanged (read) or the file untouched (write). Reading tells the two apart
 * by content and takes the RTTTL extensions s= (style), l= (loop) and style
 * tokens between notes; writing gives one canonical RTTTL line that reads
 * back to the same tone. PE_FILE_OPEN: missing, unreadable or uncreatable;
 * PE_FILE_FORMAT: damaged, over 64 KiB, a name over 20 characters, over 255
 * entries, a length other than 1..32 or a note outside the table;
 * PE_NOT_SUPPORTED: an .ott cannot hold the tone (a note outside table
 * octaves 5 to 8); PE_FILE_WRITE: the file cannot be written. */
PHONEENG_API int16_t ringtone_readfile(const char *path);
PHONEENG_API int16_t ringtone_writefile(const char *path);
/* To the phone's ring tone location (from 1). */
PHONEENG_API int16_t ringtone_upload(int16_t location);
/* Sets every note's style (0 to 2, else PE_BAD_ARGUMENT); style-change
 * entries stay in place and take that style too. */
PHONEENG_API int16_t ringtone_setdefstyle(int32_t style);
/* Style of note i; outside 0..notes-1 the style set by
 * ringtone_setdefstyle (or read as the file's first style). */
PHONEENG_API int32_t ringtone_getstyle(int16_t note);
/* A malformed text or an index outside 0..notes-1: PE_BAD_ARGUMENT and
 * nothing changes. Takes any note the player can play (any case, "H" for
 * "B", blanks around, the dot before the octave, no length for a quarter)
 * and the style-change texts, and stores the canonical text. The styles of
 * the notes after it follow the style changes. */
PHONEENG_API int16_t ringtone_setnote(int16_t i, const char *note);
PHONEENG_API int16_t ringtone_getnote(int16_t i, char *buf, int32_t len);
/* Resizes to 0..255 entries (else PE_BAD_ARGUMENT); new notes are quarter
 * pauses "4P". */
PHONEENG_API int16_t ringtone_setnotes(int16_t n);
PHONEENG_API int16_t ringtone_getnotes(void);
/* Beats per minute, 25 to 900 (else PE_BAD_ARGUMENT). */
PHONEENG_API int16_t ringtone_settempo(int16_t bpm);
PHONEENG_API int16_t ringtone_gettempo(void);
/* Blanks around are dropped; over 20 characters, a ":" or a control
 * character: PE_BAD_ARGUMENT. */
PHONEENG_API int16_t ringtone_setname(const char *name);
PHONEENG_API int16_t ringtone_getname(char *buf, int32_t len);
/* Sends the ring tone as a smart message (port 0x1581). */
PHONEENG_API int16_t ringtone_sendsms(const char *dest);
/* Sounds tone on the phone's buzzer for ms milliseconds (kind is always 15),
 * returning when done. */
PHONEENG_API int16_t play_tone(int32_t kind, int32_t tone, int32_t ms);

/* ---- Beyond the call set ------------------------------------------------ */

/* Tries port (as init takes it) on a connection of its own, leaving every
 * instance's link alone, and writes a report for people whose cable does not
 * answer: one line per step ("[ok] ..." or "[FAILED] ..."), in plain words:
 * does the device exist, does it open (permission: the dialout group), is
 * it a serial port, did a phone answer over which protocol, which model.
 * The first failed step ends the report. Returns that step's code
 * (PE_NO_SUCH_PORT, PE_TIMEOUT, PE_BAD_ARGUMENT...) or PE_OK when a phone
 * answered; takes at most 10 seconds. A report longer than len is cut. */
PHONEENG_API int16_t phoneeng_check_connection(const char *port, int32_t type,
                                               char *buf, int32_t len);

/* The provider name TAB country of a network code "MCC MNC" ("244 05")
 * from the engine's own table, known without a phone; PE_EMPTY for a code
 * the table does not hold, PE_BAD_ARGUMENT for a malformed one. */
PHONEENG_API int16_t phoneeng_network_name(const char *code, char *buf,
                                           int32_t len);

/* The virtual phone rings: incomingevent reports it once, incoming and
 * incomingname give the caller until the call is answered or hung up. */
PHONEENG_API int16_t phoneeng_virtual_incoming_call(const char *number,
                                                    const char *name);
/* Restarts the virtual phone: every instance's link to it closes and its
 * state is read again from the state file, found afresh from the
 * environment (PHONEENG_VIRTUAL_DIR, XDG_DATA_HOME, HOME). PE_FILE_FORMAT
 * when the file was damaged or unreadable (it is moved aside and the phone
 * starts fresh), PE_OK otherwise. */
PHONEENG_API int16_t phoneeng_virtual_reload(void);
/* The path of the virtual phone's state file; PE_EMPTY when it keeps its
 * data in memory only. */
PHONEENG_API int16_t phoneeng_virtual_state_path(char *buf, int32_t len);
/* Line k (from 0, oldest first) of the virtual phone's log of calls, keys,
 * beeps and resets, such as "dial +15555550101" or "keys 12S"; PE_PAST_END
 * past the last line. */
PHONEENG_API int16_t phoneeng_virtual_log(int32_t k, char *buf, int32_t len);

#ifdef __cplusplus
}
#endif

#endif /* PHONEENG_H */
