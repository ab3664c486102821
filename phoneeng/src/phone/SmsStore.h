// The virtual phone's three message boxes. Locations in a box count from 1
// in the order the messages arrived; deleting closes the gap.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "phone/PhoneTypes.h"

namespace phoneeng {

class SmsStore {
public:
    static constexpr size_t kCapacity = 100;  // messages per box

    static bool isBox(int32_t box) { return box >= 11 && box <= 13; }

    // The messages of a box, oldest first.
    const std::vector<SmsMessage> &box(SmsBox box) const;
    size_t freeSpace(SmsBox box) const { return kCapacity - this->box(box).size(); }

    // Appends a message to its box and gives it an id; false when full.
    bool append(SmsMessage message);
    // The message at a location (from 1), or null.
    SmsMessage *at(SmsBox box, int32_t location);
    const SmsMessage *at(SmsBox box, int32_t location) const;
    SmsMessage *byId(uint64_t id);
    // PE_BAD_ARGUMENT for a location below 1, PE_EMPTY past the last message.
    int16_t erase(SmsBox box, int32_t location);
    // Drops the oldest message of a box (used for reports, which are
    // transient).
    void dropOldest(SmsBox box);

    int32_t unread() const;
    int32_t total() const;

    // The k-th message (from 0) over all boxes, inbox first, then outbox,
    // then reports; null past the last.
    const SmsMessage *nth(int32_t k) const;

    // The fresh phone's inbox.
    void seed();

private:
    std::vector<SmsMessage> &boxOf(SmsBox box);
    std::array<std::vector<SmsMessage>, 3> boxes_;
    uint64_t nextId_ = 1;
};

}  // namespace phoneeng
