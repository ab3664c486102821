// A phone as the call set sees it, whatever link leads to it. Every method
// returns a call-set code (PE_OK or a PE_ error) unless it says otherwise;
// integer arguments are the call set's values, checked here. Callers hold
// engineLock().
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "logo/Logo.h"
#include "phone/PhoneIdentity.h"
#include "phone/PhoneTypes.h"
#include "phoneeng.h"
#include "ringtone/RingTone.h"

namespace phoneeng {

// One message to send. Text and Unicode messages go as `text` (split into
// parts by the phone); binary messages as ready-made parts, each the user
// data of one SMS with its header.
struct SmsSendRequest {
    std::string destination;
    std::string serviceCentre;
    int32_t smsClass = 1;  // 0..3
    bool deliveryReport = false;
    uint8_t pid = 0;
    uint8_t dcs = 0;
    SmsEncoding encoding = SmsEncoding::Text;
    std::u16string text;
    std::vector<std::vector<uint8_t>> parts;
    // Whether each binary part begins with a user data header.
    bool partsHaveHeader = false;
};

using SteadyTime = std::chrono::steady_clock::time_point;

class Phone {
public:
    virtual ~Phone() = default;

    // ---- Links: each open link has a session with its own event mailbox.
    virtual int32_t openSession() = 0;
    virtual void closeSession(int32_t session) = 0;
    // Null for a session that is not open.
    virtual LinkEvents *events(int32_t session) = 0;
    // Finishes work that has fallen due (sends under way).
    virtual void pump() = 0;

    // ---- Identity and state
    virtual PhoneIdentity identity() const = 0;
    virtual NetworkStatus network() const = 0;
    // Flags "0"/"1": 1 call, 2 unread message, 3 voice mail, 4 fax, 5 data
    // call, 6 digits typed, 7 keyboard locked, 8 message memory full.
    virtual std::string displayStatus() const = 0;

    // Readers for phones that may fail to answer; the defaults read the
    // values above, which a phone that always answers gives directly.
    virtual int16_t readIdentity(PhoneIdentity &out) {
        out = identity();
        return PE_OK;
    }
    virtual int16_t readNetwork(NetworkStatus &out) {
        out = network();
        return PE_OK;
    }
    virtual int16_t readDisplayStatus(std::string &out) {
        out = displayStatus();
        return PE_OK;
    }
    virtual int16_t readDateTime(PhoneDateTime &out) {
        out = dateTime();
        return PE_OK;
    }
    virtual int16_t readAlarm(bool &on, int32_t &hour, int32_t &minute) {
        alarm(on, hour, minute);
        return PE_OK;
    }

    // ---- Calls, keys, clock
    virtual int16_t dial(const std::string &number) = 0;
    virtual int16_t sendDtmf(const std::string &digits) = 0;
    virtual int16_t pressKeys(const std::string &keys) = 0;
    virtual int16_t reset(const std::string &mode) = 0;
    virtual int16_t hangUp() = 0;
    virtual int16_t answer() = 0;
    virtual int16_t beep(int32_t on) = 0;
    virtual int16_t netMonitor(const std::string &mode, std::string &screen) = 0;
    virtual int16_t setStartupText(const std::string &text) = 0;
    virtual int16_t setDateTime(const PhoneDateTime &t) = 0;
    virtual PhoneDateTime dateTime() const = 0;
    virtual int16_t setAlarm(int32_t hour, int32_t minute) = 0;
    virtual void alarm(bool &on, int32_t &hour, int32_t &minute) const = 0;
    // The phone rings; an empty name is looked up in the phonebook.
    virtual int16_t ring(const std::string &number, const std::string &name) = 0;
    // The caller while the phone rings; "" otherwise.
    virtual std::string ringingNumber() const = 0;
    virtual std::string ringingName() const = 0;

    // ---- Messages
    // The phone's stored service centre 1..3.
    virtual int16_t storedServiceCentre(int32_t set, std::string &number) const = 0;
    // Puts the message in the outbox and hands it to the network; `due` is
    // when the network will have taken it (then the sent flag, the
    // acknowledgement to `session`, and any report or arrival follow, at the
    // first pump() from then on).
    virtual int16_t send(const SmsSendRequest &request, int32_t session,
                         std::chrono::milliseconds delay, SteadyTime &due) = 0;
    // Reads the message lists from the phone again (a phone that keeps them
    // itself has nothing to do).
    virtual int16_t refreshMessages() { return PE_OK; }
    // True while a send has not yet been taken by the network.
    virtual bool sending() const = 0;
    // The messages of a box, oldest first; box values 11, 12, 13 only.
    virtual const std::vector<SmsMessage> &messages(SmsBox box) const = 0;
    virtual int16_t markRead(SmsBox box, int32_t location) = 0;
    virtual int16_t deleteMessage(SmsBox box, int32_t location) = 0;

    // ---- Phonebook and speed dials
    virtual int16_t readEntry(int32_t memory, int32_t location, PhonebookEntry &out) const = 0;
    virtual int16_t writeEntry(int32_t memory, int32_t location, const PhonebookEntry &entry) = 0;
    virtual int16_t deleteEntry(int32_t memory, int32_t location) = 0;
    virtual int16_t readSpeedDial(int32_t key, int32_t &memory, int32_t &location) const = 0;
    virtual int16_t writeSpeedDial(int32_t key, int32_t memory, int32_t location) = 0;

    // ---- Logos and ring tones
    virtual int16_t uploadLogo(const Logo &logo) = 0;
    // Loads the phone's logo of `type` (location = logo.groupNumber) into
    // `logo`; `logo` is unchanged on failure.
    virtual int16_t downloadLogo(int32_t type, Logo &logo) const = 0;
    // The last logo that arrived by smart message; false when none.
    virtual bool lastReceivedLogo(Logo &logo) const = 0;
    virtual int16_t uploadRingTone(int32_t location, const RingTone &tone) = 0;
    // Starts and stops a tone of `hertz` on the phone's buzzer (a silent
    // buzzer does nothing).
    virtual int16_t startTone(int32_t hertz) { return PE_OK; }
    virtual int16_t stopTone() { return PE_OK; }
};

}  // namespace phoneeng
