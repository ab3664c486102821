// Plain values that pass between the call set and a phone: clock readings,
// phonebook entries, stored messages and the per-link event mailbox.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace phoneeng {

// A reading of the phone's clock, local time as the phone shows it; year has
// four digits, month and day count from 1.
struct PhoneDateTime {
    int32_t year = 2000;
    int32_t month = 1;
    int32_t day = 1;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
    bool operator==(const PhoneDateTime &) const = default;
};

// Memory types (fbMemoryType). Locations count from 1.
enum class MemoryType : int32_t {
    Phone = 0,
    Sim = 1,
    FixedDial = 2,
    OwnNumber = 3,
    Emergency = 4,
    Dialled = 5,
    Received = 6,
    Missed = 7,
    LastDialled = 8,
    Combined = 9,
};

// A phonebook location: empty when number is "". Texts are 8-bit as given.
// group: 0 none, 1..5 the caller groups (caller-group logos 0..4).
struct PhonebookEntry {
    std::string name;
    std::string number;
    int32_t group = 0;
    bool empty() const { return number.empty(); }
    bool operator==(const PhonebookEntry &) const = default;
};

// SMS boxes (fbSMSMessageType values).
enum class SmsBox : int32_t { Outbox = 11, Reports = 12, Inbox = 13 };

// Encoding of a stored message (fbSmsMessageEncoding values).
enum class SmsEncoding : int32_t { Text = 0, Unicode = 1, Binary = 2 };

// One stored message. Text and Unicode messages keep their whole text in
// `text` (a concatenated text message is stored once); a binary message is
// one part and keeps its user data, header included, in `userData`.
struct SmsMessage {
    uint64_t id = 0;  // unique within the phone's run; not persisted
    SmsBox box = SmsBox::Inbox;
    SmsEncoding encoding = SmsEncoding::Text;
    std::u16string text;
    std::vector<uint8_t> userData;
    std::string sender;
    std::string destination;
    std::string smsc;
    PhoneDateTime time;
    bool sentRead = false;  // outbox: sent; inbox and reports: read
    int32_t smsClass = 1;
    uint8_t pid = 0;
    uint8_t dcs = 0;
    int32_t reference = 0;  // message reference, 0..255

    // The number shown for the message in lists: the sender of received
    // messages and reports, the destination of sent ones.
    const std::string &number() const { return box == SmsBox::Outbox ? destination : sender; }
};

// A send acknowledgement waiting for getsmssendack.
struct SendAck {
    int32_t reference = 0;
    bool delivered = false;
};

// What a link has not yet polled. Each link to a phone has one.
struct LinkEvents {
    static constexpr size_t kMaxAcks = 256;
    int32_t receivedCount = 0;  // messages received since the link came up
    bool incomingCall = false;
    bool logoArrived = false;
    std::deque<SendAck> acks;
};

}  // namespace phoneeng
