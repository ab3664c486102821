/*
 * The recording fake engine's own C functions, beside the engine call set it
 * exports. Tests reach them through FakeEngine.h.
 *
 * Every call of the call set is logged as one line of text, for example
 *   set_vlkr_instance(1)   getimei(buf, 128)   sendsms("555", "hi", 1, 65537)
 *   getnetworkinfo(buf, 64, "1", 0, "1", 0)   getrflevel(&)   logo_setmessage(u"Hi", 4, 1)
 * Texts in double quotes (u"..." for UTF-16, shown as UTF-8), buffers the
 * engine fills as "buf" (a buffer of length 0 shows its text instead), out
 * pointers as "&", null pointers as "null", numbers in decimal.
 *
 * Answers: each function has a queue of scripted answers, used in order, and
 * a default answer used when the queue is empty (result 0, "" written into
 * every buffer, out values left unwritten, unless set). An answer holds the
 * result, the text for each buffer (counted from 0 in argument order) and the
 * value for each out pointer (counted from 0).
 */
#ifndef FAKEENGINE_CONTROL_H
#define FAKEENGINE_CONTROL_H

#include <stdint.h>

#define FAKEENGINE_API __attribute__((visibility("default")))

/* Targets of the answer setters. */
#define FAKEENGINE_LAST 0    /* the answer queued last for the function */
#define FAKEENGINE_DEFAULT 1 /* the function's default answer */

#ifdef __cplusplus
extern "C" {
#endif

/* Forgets the log, the queues and the defaults. */
FAKEENGINE_API void fakeengine_reset(void);
/* Queues a new answer (result 0) for the next unanswered call of fn. */
FAKEENGINE_API void fakeengine_push(const char *fn);
/* Setters of an answer; FAKEENGINE_LAST queues one first when none is queued. */
FAKEENGINE_API void fakeengine_set_result(const char *fn, int32_t target, int64_t result);
FAKEENGINE_API void fakeengine_set_text(const char *fn, int32_t target, int32_t buffer,
                                        const char *text);
FAKEENGINE_API void fakeengine_set_utf16(const char *fn, int32_t target, int32_t buffer,
                                         const uint16_t *text);
FAKEENGINE_API void fakeengine_set_out(const char *fn, int32_t target, int32_t index,
                                       int32_t value);
/* Adds a line of the caller's own to the log (it should begin with "#"). */
FAKEENGINE_API void fakeengine_note(const char *text);
FAKEENGINE_API int32_t fakeengine_call_count(void);
/* Copies line i of the log (NUL-terminated, cut to len) into buf and returns
 * its full length, or -1 when there is no such line. */
FAKEENGINE_API int32_t fakeengine_call_text(int32_t i, char *buf, int32_t len);

#ifdef __cplusplus
}
#endif

#endif /* FAKEENGINE_CONTROL_H */
