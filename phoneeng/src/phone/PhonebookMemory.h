// The virtual phone's phonebook memories, call lists and speed dials.
//
// Memories (fbMemoryType) and their locations, counted from 1:
//   0 phone 200, 1 SIM 100, 2 fixed dialling 10, 3 own numbers 2,
//   4 emergency numbers 2 (read-only), 5 dialled, 6 received, 7 missed calls
//   10 each (newest at 1, read-only but deletable), 8 = the dialled list,
//   9 combined: 1..200 the phone memory, 201..300 the SIM.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "phone/PhoneTypes.h"

namespace phoneeng {

class PhonebookMemory {
public:
    static constexpr int32_t kCallListSize = 10;
    static constexpr size_t kPhoneNameMax = 20;  // phone memory
    static constexpr size_t kSimNameMax = 14;    // memories held on the SIM
    static constexpr int32_t kMaxGroup = 5;
    static constexpr int32_t kFirstSpeedDialKey = 2;
    static constexpr int32_t kLastSpeedDialKey = 9;

    struct SpeedDial {
        int32_t memory = 0;  // 0 phone or 1 SIM
        int32_t location = 0;
        bool operator==(const SpeedDial &) const = default;
    };

    PhonebookMemory();

    // Locations of a memory type; 0 for a value that names no memory.
    static int32_t capacity(int32_t memory);

    // PE_PAST_END past the last location; an empty location gives PE_OK and
    // an empty entry.
    int16_t read(int32_t memory, int32_t location, PhonebookEntry &out) const;
    // A user's write: read-only memories give PE_PHONE_ERROR. An entry with
    // neither name nor number clears the location.
    int16_t write(int32_t memory, int32_t location, const PhonebookEntry &entry);
    // Deleting from a call list closes the gap; elsewhere the location
    // empties. Speed dials that pointed at the location are cleared.
    int16_t erase(int32_t memory, int32_t location);
    // Puts back a saved entry, read-only memories included; same checks as
    // write otherwise.
    int16_t restore(int32_t memory, int32_t location, const PhonebookEntry &entry);

    // Keys 2..9. A key that points nowhere gives PE_EMPTY.
    int16_t readSpeedDial(int32_t key, int32_t &memory, int32_t &location) const;
    // memory 0 or 1; location 0 clears the key; the location must hold an
    // entry (PE_EMPTY otherwise).
    int16_t writeSpeedDial(int32_t key, int32_t memory, int32_t location);

    // Adds a call at the front of the dialled, received or missed list,
    // named from the phonebook.
    void logCall(MemoryType list, const std::string &number);
    // The name stored for a number in the phone memory or on the SIM, or "".
    std::string nameOf(const std::string &number) const;

    // For saving: the locations of a memory (0 phone .. 7 missed; not the
    // aliases 8 and 9) and the speed dials by key - 2.
    const std::vector<PhonebookEntry> &locations(MemoryType memory) const;
    const std::array<std::optional<SpeedDial>, 8> &speedDials() const { return speedDials_; }

    // The fresh phone's SIM entries, own number and emergency numbers.
    void seed();

private:
    struct Slot {
        MemoryType store;
        int32_t index;  // 0-based into the store
    };
    std::optional<Slot> resolve(int32_t memory, int32_t location, int16_t &code) const;
    int16_t check(MemoryType store, const PhonebookEntry &entry) const;
    std::vector<PhonebookEntry> &storeOf(MemoryType store);

    std::array<std::vector<PhonebookEntry>, 8> stores_;
    std::array<std::optional<SpeedDial>, 8> speedDials_;
};

}  // namespace phoneeng
