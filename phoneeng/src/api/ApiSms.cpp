// The SMS group. Settings are the engine's own and work without a link;
// everything that reaches the messages needs the current instance's phone.
// Calls that answer with a count give 0 without a phone; getsms gives 3 (the
// end of the list) for anything it cannot read, so that loops over it end.
#include <cstring>

#include "phone/ApiSupport.h"
#include "phone/PhoneNumber.h"
#include "phone/SmsSending.h"
#include "phone/SmsSettings.h"
#include "phone/SmsStore.h"
#include "phone/TextCodec.h"
#include "phoneeng.h"
#include "util/Barrier.h"

using namespace phoneeng;

namespace {

constexpr int32_t kClassMask = 0xFFFF;
constexpr size_t kMaxTextUnits = 255 * 153;
constexpr size_t kMaxUnicodeUnits = 255 * 67;

enum class Alphabet { Default, EightBit, Ucs2 };

Alphabet alphabetOf(uint8_t dcs) {
    if ((dcs & 0xC0) == 0x00) {  // general data coding
        const int a = (dcs >> 2) & 0x03;
        return a == 1 ? Alphabet::EightBit : a == 2 ? Alphabet::Ucs2 : Alphabet::Default;
    }
    if ((dcs & 0xF0) == 0xF0) {  // data coding / message class
        return (dcs & 0x04) ? Alphabet::EightBit : Alphabet::Default;
    }
    return (dcs & 0xF0) == 0xE0 ? Alphabet::Ucs2 : Alphabet::Default;
}

// Checks flags and setting set and fills the common part of a request.
int16_t prepare(Phone &phone, const char *dest, int32_t settingset, int32_t flags,
                SmsSendRequest &request) {
    const int32_t smsClass = flags & kClassMask;
    if (flags < 0 || (flags & ~(kClassMask | PE_SMS_DELIVERY_REPORT)) != 0 || smsClass > 3 ||
        settingset < 0 || settingset > 3) {
        return PE_BAD_ARGUMENT;
    }
    request.destination = textIn(dest);
    request.smsClass = smsClass;
    request.deliveryReport = (flags & PE_SMS_DELIVERY_REPORT) != 0;
    request.pid = smsSettings().pid;
    request.dcs = smsSettings().dcs;
    return serviceCentreOf(phone, settingset, request.serviceCentre);
}

// 8-bit data without ports: one SMS of up to 140 bytes, or parts of 134
// behind a concatenation header.
std::vector<std::vector<uint8_t>> dataParts(const std::string &bytes) {
    std::vector<std::vector<uint8_t>> parts;
    if (bytes.size() <= 140) {
        parts.emplace_back(bytes.begin(), bytes.end());
        return parts;
    }
    const size_t total = (bytes.size() + 133) / 134;
    if (total > 255) {
        return parts;
    }
    const uint8_t ref = smsSettings().nextConcatReference++;
    for (size_t k = 0; k < total; ++k) {
        std::vector<uint8_t> ud = {
            0x05, 0x00, 0x03, ref, static_cast<uint8_t>(total), static_cast<uint8_t>(k + 1)};
        const size_t at = k * 134;
        ud.insert(ud.end(), bytes.begin() + at, bytes.begin() + std::min(bytes.size(), at + 134));
        parts.push_back(std::move(ud));
    }
    return parts;
}

std::u16string textOf(const SmsMessage &m) {
    if (m.encoding == SmsEncoding::Binary) {
        return utf16FromLatin1(hexOfBytes(m.userData));
    }
    return m.text;
}

// Field results of getsmsmsgdata for fields 4 and 5 are values; their
// failures are negative codes.
int32_t fieldFailure(int32_t field, int16_t code) {
    return field == 4 || field == 5 ? -code : code;
}

}  // namespace

extern "C" {

int16_t sendsms(const char *dest, const char *message, int32_t settingset, int32_t flags) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        std::unique_lock<std::recursive_mutex> lock(engineLock());
        Phone *phone = linkRegistry().currentPhone();
        if (!phone) {
            return PE_NOT_CONNECTED;
        }
        SmsSendRequest request;
        int16_t code = prepare(*phone, dest, settingset, flags, request);
        if (code != PE_OK) {
            return code;
        }
        const std::string bytes = textIn(message);
        switch (alphabetOf(request.dcs)) {
            case Alphabet::EightBit:
                request.encoding = SmsEncoding::Binary;
                request.parts = dataParts(bytes);
                request.partsHaveHeader = request.parts.size() > 1;
                if (request.parts.empty()) {
                    return PE_BAD_ARGUMENT;
                }
                break;
            case Alphabet::Ucs2:
                request.encoding = SmsEncoding::Unicode;
                request.text = decode8Bit(bytes, smsSettings().codePage);
                break;
            case Alphabet::Default:
                request.encoding = SmsEncoding::Text;
                request.text = decode8Bit(bytes, smsSettings().codePage);
                if (request.text.size() > kMaxTextUnits) {
                    return PE_BAD_ARGUMENT;
                }
                break;
        }
        return sendAndWait(lock, request);
    });
}

int16_t senducs2(const char *dest, const uint16_t *message, int32_t settingset, int32_t flags) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        std::unique_lock<std::recursive_mutex> lock(engineLock());
        Phone *phone = linkRegistry().currentPhone();
        if (!phone) {
            return PE_NOT_CONNECTED;
        }
        SmsSendRequest request;
        int16_t code = prepare(*phone, dest, settingset, flags, request);
        if (code != PE_OK) {
            return code;
        }
        auto text = utf16In(message, kMaxUnicodeUnits);
        if (!text) {
            return PE_BAD_ARGUMENT;
        }
        request.encoding = SmsEncoding::Unicode;
        request.text = std::move(*text);
        if (alphabetOf(request.dcs) != Alphabet::Ucs2) {
            request.dcs = 0x08;
        }
        return sendAndWait(lock, request);
    });
}

int16_t sendsiemensota(const char *dest, const char *file, int32_t settingset, int32_t flags) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([](Phone &, PhoneLink &) -> int16_t { return PE_NOT_SUPPORTED; });
    });
}

int32_t getsms(int32_t k, char *buf1, int32_t len1, char *buf2, int32_t len2) {
    return barrier(int32_t{PE_GETSMS_END}, [&]() -> int32_t {
        return withPhone<int32_t>(PE_GETSMS_END, [&](Phone &phone, PhoneLink &) -> int32_t {
            int32_t rest = k;
            for (SmsBox box : {SmsBox::Inbox, SmsBox::Outbox, SmsBox::Reports}) {
                const auto &messages = phone.messages(box);
                if (rest >= 0 && static_cast<size_t>(rest) < messages.size()) {
                    const SmsMessage &m = messages[static_cast<size_t>(rest)];
                    if (buf1 && len1 > 0) {
                        textOut(buf1, len1, m.number());
                    }
                    if (buf2 && len2 > 0) {
                        textOut(buf2, len2, encode8Bit(textOf(m), smsSettings().codePage));
                    }
                    return static_cast<int32_t>(box);
                }
                rest -= static_cast<int32_t>(messages.size());
            }
            return PE_GETSMS_END;
        });
    });
}

int16_t updatesmslist(void) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([](Phone &phone, PhoneLink &) { return phone.refreshMessages(); });
        });
}

int16_t getsmsmsgunread(void) {
    return barrier(int16_t{0}, [&]() -> int16_t {
        return withPhone<int16_t>(0, [](Phone &phone, PhoneLink &) -> int16_t {
            int16_t n = 0;
            for (const auto &m : phone.messages(SmsBox::Inbox)) {
                n += m.sentRead ? 0 : 1;
            }
            return n;
        });
    });
}

int16_t getsmsmsgtotal(void) {
    return barrier(int16_t{0}, [&]() -> int16_t {
        return withPhone<int16_t>(0, [](Phone &phone, PhoneLink &) -> int16_t {
            size_t n = 0;
            for (SmsBox box : {SmsBox::Inbox, SmsBox::Outbox, SmsBox::Reports}) {
                n += phone.messages(box).size();
            }
            return static_cast<int16_t>(n);
        });
    });
}

int16_t getsmsmsgcount(int32_t box) {
    return barrier(int16_t{0}, [&]() -> int16_t {
        return withPhone<int16_t>(0, [&](Phone &phone, PhoneLink &) -> int16_t {
            return SmsStore::isBox(box)
                       ? static_cast<int16_t>(phone.messages(static_cast<SmsBox>(box)).size())
                       : 0;
        });
    });
}

int32_t getsmsmsgdata(int32_t box, int32_t n, int32_t field, void *buf, int32_t len) {
    return barrier(int32_t{0}, [&]() -> int32_t {
        const bool textField = field == 1 || field == 2 || field == 3 || field == 6;
        if (!textField && field != 4 && field != 5) {
            return PE_BAD_ARGUMENT;
        }
        if (textField && (!buf || len <= 0)) {
            return PE_BAD_ARGUMENT;
        }
        return withPhone<int32_t>(
            fieldFailure(field, PE_NOT_CONNECTED), [&](Phone &phone, PhoneLink &) -> int32_t {
                if (!SmsStore::isBox(box) || n < 1) {
                    return fieldFailure(field, PE_BAD_ARGUMENT);
                }
                const auto &messages = phone.messages(static_cast<SmsBox>(box));
                if (static_cast<size_t>(n) > messages.size()) {
                    return fieldFailure(field, PE_EMPTY);
                }
                const SmsMessage &m = messages[static_cast<size_t>(n) - 1];
                switch (field) {
                    case 1: {
                        const std::u16string text = textOf(m);
                        const int16_t code = m.encoding == SmsEncoding::Text
                                                 ? textOut(static_cast<char *>(buf), len,
                                                           encode8Bit(text, smsSettings().codePage))
                                                 : utf16Out(buf, len, text);
                        phone.markRead(static_cast<SmsBox>(box), n);
                        return code;
                    }
                    case 2:
                        return textOut(static_cast<char *>(buf), len, m.sender);
                    case 3:
                        return textOut(static_cast<char *>(buf), len, m.destination);
                    case 4:
                        return static_cast<int32_t>(textOf(m).size());
                    case 5:
                        return static_cast<int32_t>(m.encoding);
                    default:
                        return textOut(static_cast<char *>(buf), len, m.smsc);
                }
            });
    });
}

int16_t getsmsmsgdatetime(int32_t box, int32_t n, int32_t *y, int32_t *mo, int32_t *d, int32_t *h,
                          int32_t *mi, int32_t *s) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) -> int16_t {
            if (!SmsStore::isBox(box) || n < 1) {
                return PE_BAD_ARGUMENT;
            }
            const auto &messages = phone.messages(static_cast<SmsBox>(box));
            if (static_cast<size_t>(n) > messages.size()) {
                return PE_EMPTY;
            }
            const PhoneDateTime &t = messages[static_cast<size_t>(n) - 1].time;
            valueOut(y, t.year);
            valueOut(mo, t.month);
            valueOut(d, t.day);
            valueOut(h, t.hour);
            valueOut(mi, t.minute);
            valueOut(s, t.second);
            return PE_OK;
        });
    });
}

int32_t getsmssentread(int32_t box, int32_t n) {
    return barrier(int32_t{0}, [&]() -> int32_t {
        return withPhone<int32_t>(0, [&](Phone &phone, PhoneLink &) -> int32_t {
            if (!SmsStore::isBox(box) || n < 1) {
                return 0;
            }
            const auto &messages = phone.messages(static_cast<SmsBox>(box));
            return static_cast<size_t>(n) <= messages.size() &&
                           messages[static_cast<size_t>(n) - 1].sentRead
                       ? 1
                       : 0;
        });
    });
}

int16_t deletesmsmsg(int32_t box, int32_t n) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        return withPhone([&](Phone &phone, PhoneLink &) -> int16_t {
            return SmsStore::isBox(box) ? phone.deleteMessage(static_cast<SmsBox>(box), n)
                                        : PE_BAD_ARGUMENT;
        });
    });
}

int16_t setsmsmessagecenter(int32_t set, const char *number) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        SmsSettings &s = smsSettings();
        if (set == 0) {
            const std::string n = textIn(number);
            if (!isMessageAddress(n)) {
                return PE_BAD_ARGUMENT;
            }
            s.centreSet = 0;
            s.centreNumber = n;
            return PE_OK;
        }
        if (set < 0 || set > 3) {
            return PE_BAD_ARGUMENT;
        }
        return withPhone([&](Phone &phone, PhoneLink &) -> int16_t {
            std::string centre;
            const int16_t code = phone.storedServiceCentre(set, centre);
            if (code == PE_OK) {
                s.centreSet = set;
                s.centreNumber = centre;
            }
            return code;
        });
    });
}

int16_t getsmsmessagecenter(char *buf, int32_t len) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        if (!buf || len <= 0) {
            return PE_BAD_ARGUMENT;
        }
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        SmsSettings &s = smsSettings();
        if (s.centreSet > 0) {
            if (Phone *phone = linkRegistry().currentPhone()) {
                phone->storedServiceCentre(s.centreSet, s.centreNumber);
            }
        }
        textOut(buf, len, s.centreNumber);
        if (s.centreNumber.empty()) {
            return s.centreSet > 0 ? PE_NOT_CONNECTED : PE_EMPTY;
        }
        return PE_OK;
    });
}

int16_t setsmstimeout(int32_t ms) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        if (ms < 0) {
            return PE_BAD_ARGUMENT;
        }
        smsSettings().timeoutMs = ms;
        return PE_OK;
    });
}

int32_t getsmstimeout(void) {
    return barrier(int32_t{0}, [&]() -> int32_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        return smsSettings().timeoutMs;
    });
}

int16_t set_smssenddelay(int32_t ms) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        if (ms < 0 || ms > SmsSettings::kMaxSendDelayMs) {
            return PE_BAD_ARGUMENT;
        }
        smsSettings().sendDelayMs = ms;
        return PE_OK;
    });
}

int32_t get_smssenddelay(void) {
    return barrier(int32_t{0}, [&]() -> int32_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        return smsSettings().sendDelayMs;
    });
}

int16_t set_codepage(int32_t cp) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        if (!isSupportedCodePage(cp)) {
            return PE_NOT_SUPPORTED;
        }
        smsSettings().codePage = cp;
        return PE_OK;
    });
}

int32_t get_codepage(void) {
    return barrier(int32_t{0}, [&]() -> int32_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        return smsSettings().codePage;
    });
}

int16_t setsmssendmode(int16_t mustwait) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        smsSettings().mustWait = mustwait != 0;
        return PE_OK;
    });
}

int32_t getsmssendmode(void) {
    return barrier(int32_t{0}, [&]() -> int32_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        return smsSettings().mustWait ? 1 : 0;
    });
}

int32_t smssendwaiting(void) {
    return barrier(int32_t{0}, [&]() -> int32_t {
        return withPhone<int32_t>(
            0, [](Phone &phone, PhoneLink &) { return phone.sending() ? 1 : 0; });
    });
}

int16_t sms_setpid(uint8_t pid) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        smsSettings().pid = pid;
        return PE_OK;
    });
}

uint8_t sms_getpid(void) {
    return barrier(uint8_t{0}, [&]() -> uint8_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        return smsSettings().pid;
    });
}

int16_t sms_setdcs(uint8_t dcs) {
    return barrier(int16_t{PE_NOT_SUPPORTED}, [&]() -> int16_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        smsSettings().dcs = dcs;
        return PE_OK;
    });
}

uint8_t sms_getdcs(void) {
    return barrier(uint8_t{0}, [&]() -> uint8_t {
        std::lock_guard<std::recursive_mutex> lock(engineLock());
        return smsSettings().dcs;
    });
}

}  // extern "C"
