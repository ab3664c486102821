#include "phone/PhonebookMemory.h"

#include "phone/PhoneIdentity.h"
#include "phone/PhoneNumber.h"
#include "phoneeng.h"

namespace phoneeng {

namespace {

constexpr int32_t kPhoneSize = 200;
constexpr int32_t kSimSize = 100;

bool isCallList(MemoryType m) {
    return m == MemoryType::Dialled || m == MemoryType::Received || m == MemoryType::Missed;
}

bool isReadOnly(MemoryType m) {
    return isCallList(m) || m == MemoryType::Emergency;
}

int32_t storeSize(MemoryType m) {
    switch (m) {
        case MemoryType::Phone:
            return kPhoneSize;
        case MemoryType::Sim:
            return kSimSize;
        case MemoryType::FixedDial:
            return 10;
        case MemoryType::OwnNumber:
        case MemoryType::Emergency:
            return 2;
        case MemoryType::Dialled:
        case MemoryType::Received:
        case MemoryType::Missed:
            return PhonebookMemory::kCallListSize;
        default:
            return 0;
    }
}

}  // namespace

PhonebookMemory::PhonebookMemory() {
    for (size_t i = 0; i < stores_.size(); ++i) {
        stores_[i].resize(static_cast<size_t>(storeSize(static_cast<MemoryType>(i))));
    }
}

int32_t PhonebookMemory::capacity(int32_t memory) {
    if (memory == static_cast<int32_t>(MemoryType::LastDialled)) {
        return kCallListSize;
    }
    if (memory == static_cast<int32_t>(MemoryType::Combined)) {
        return kPhoneSize + kSimSize;
    }
    if (memory < 0 || memory > static_cast<int32_t>(MemoryType::Missed)) {
        return 0;
    }
    return storeSize(static_cast<MemoryType>(memory));
}

std::optional<PhonebookMemory::Slot> PhonebookMemory::resolve(int32_t memory, int32_t location,
                                                              int16_t &code) const {
    const int32_t cap = capacity(memory);
    if (cap == 0 || location < 1) {
        code = PE_BAD_ARGUMENT;
        return std::nullopt;
    }
    if (location > cap) {
        code = PE_PAST_END;
        return std::nullopt;
    }
    code = PE_OK;
    if (memory == static_cast<int32_t>(MemoryType::LastDialled)) {
        return Slot{MemoryType::Dialled, location - 1};
    }
    if (memory == static_cast<int32_t>(MemoryType::Combined)) {
        if (location <= kPhoneSize) {
            return Slot{MemoryType::Phone, location - 1};
        }
        return Slot{MemoryType::Sim, location - kPhoneSize - 1};
    }
    return Slot{static_cast<MemoryType>(memory), location - 1};
}

std::vector<PhonebookEntry> &PhonebookMemory::storeOf(MemoryType store) {
    return stores_[static_cast<size_t>(store)];
}

const std::vector<PhonebookEntry> &PhonebookMemory::locations(MemoryType memory) const {
    static const std::vector<PhonebookEntry> kNone;
    const auto i = static_cast<size_t>(memory);
    return i < stores_.size() ? stores_[i] : kNone;
}

int16_t PhonebookMemory::read(int32_t memory, int32_t location, PhonebookEntry &out) const {
    int16_t code = PE_OK;
    const auto slot = resolve(memory, location, code);
    if (!slot) {
        return code;
    }
    out = stores_[static_cast<size_t>(slot->store)][static_cast<size_t>(slot->index)];
    return PE_OK;
}

int16_t PhonebookMemory::check(MemoryType store, const PhonebookEntry &entry) const {
    if (entry.number.empty()) {
        return entry.name.empty() && entry.group == 0 ? PE_OK : PE_BAD_ARGUMENT;
    }
    if (!isDialableNumber(entry.number)) {
        return PE_BAD_ARGUMENT;
    }
    const size_t maxName = store == MemoryType::Phone ? kPhoneNameMax : kSimNameMax;
    if (entry.name.size() > maxName) {
        return PE_BAD_ARGUMENT;
    }
    for (char c : entry.name) {
        if (static_cast<unsigned char>(c) < 0x20) {
            return PE_BAD_ARGUMENT;
        }
    }
    const bool groups = store == MemoryType::Phone || store == MemoryType::Sim;
    if (entry.group < 0 || entry.group > (groups ? kMaxGroup : 0)) {
        return PE_BAD_ARGUMENT;
    }
    return PE_OK;
}

int16_t PhonebookMemory::restore(int32_t memory, int32_t location, const PhonebookEntry &entry) {
    int16_t code = PE_OK;
    const auto slot = resolve(memory, location, code);
    if (!slot) {
        return code;
    }
    code = check(slot->store, entry);
    if (code != PE_OK) {
        return code;
    }
    storeOf(slot->store)[static_cast<size_t>(slot->index)] = entry;
    return PE_OK;
}

int16_t PhonebookMemory::write(int32_t memory, int32_t location, const PhonebookEntry &entry) {
    int16_t code = PE_OK;
    const auto slot = resolve(memory, location, code);
    if (!slot) {
        return code;
    }
    if (isReadOnly(slot->store)) {
        return PE_PHONE_ERROR;
    }
    if (entry.empty() && entry.name.empty() && entry.group == 0) {
        return erase(memory, location);
    }
    return restore(memory, location, entry);
}

int16_t PhonebookMemory::erase(int32_t memory, int32_t location) {
    int16_t code = PE_OK;
    const auto slot = resolve(memory, location, code);
    if (!slot) {
        return code;
    }
    if (slot->store == MemoryType::Emergency) {
        return PE_PHONE_ERROR;
    }
    auto &store = storeOf(slot->store);
    if (isCallList(slot->store)) {
        store.erase(store.begin() + slot->index);
        store.emplace_back();
        return PE_OK;
    }
    store[static_cast<size_t>(slot->index)] = PhonebookEntry{};
    for (auto &dial : speedDials_) {
        if (dial && dial->memory == static_cast<int32_t>(slot->store) &&
            dial->location == slot->index + 1) {
            dial.reset();
        }
    }
    return PE_OK;
}

int16_t PhonebookMemory::readSpeedDial(int32_t key, int32_t &memory, int32_t &location) const {
    if (key < kFirstSpeedDialKey || key > kLastSpeedDialKey) {
        return PE_BAD_ARGUMENT;
    }
    const auto &dial = speedDials_[static_cast<size_t>(key - kFirstSpeedDialKey)];
    if (!dial) {
        return PE_EMPTY;
    }
    memory = dial->memory;
    location = dial->location;
    return PE_OK;
}

int16_t PhonebookMemory::writeSpeedDial(int32_t key, int32_t memory, int32_t location) {
    if (key < kFirstSpeedDialKey || key > kLastSpeedDialKey ||
        (memory != static_cast<int32_t>(MemoryType::Phone) &&
         memory != static_cast<int32_t>(MemoryType::Sim))) {
        return PE_BAD_ARGUMENT;
    }
    auto &dial = speedDials_[static_cast<size_t>(key - kFirstSpeedDialKey)];
    if (location == 0) {
        dial.reset();
        return PE_OK;
    }
    PhonebookEntry entry;
    const int16_t code = read(memory, location, entry);
    if (code != PE_OK) {
        return code;
    }
    if (entry.empty()) {
        return PE_EMPTY;
    }
    dial = SpeedDial{memory, location};
    return PE_OK;
}

void PhonebookMemory::logCall(MemoryType list, const std::string &number) {
    if (!isCallList(list)) {
        return;
    }
    auto &store = storeOf(list);
    store.insert(store.begin(), PhonebookEntry{nameOf(number), number, 0});
    store.resize(static_cast<size_t>(kCallListSize));
}

std::string PhonebookMemory::nameOf(const std::string &number) const {
    const std::string wanted = comparableNumber(number);
    if (wanted.empty()) {
        return {};
    }
    for (MemoryType store : {MemoryType::Phone, MemoryType::Sim}) {
        for (const auto &entry : stores_[static_cast<size_t>(store)]) {
            if (!entry.empty() && comparableNumber(entry.number) == wanted) {
                return entry.name;
            }
        }
    }
    return {};
}

void PhonebookMemory::seed() {
    const struct {
        const char *name;
        const char *number;
        int32_t group;
    } sim[] = {
        {"Alice Baker", "+15555550101", 1}, {"Bob Carter", "+15555550102", 0},
        {"Carol Diaz", "+15555550103", 3},  {"Voice mail", "+15555550100", 0},
        {"Dan Evans", "5550105", 2},        {"Erin Fox", "+15555550106", 4},
        {"Pizza Place", "5550107", 0},
    };
    int32_t location = 1;
    for (const auto &e : sim) {
        restore(static_cast<int32_t>(MemoryType::Sim), location++, {e.name, e.number, e.group});
    }
    restore(static_cast<int32_t>(MemoryType::OwnNumber), 1,
            {"My number", virtualphone::kOwnNumber, 0});
    restore(static_cast<int32_t>(MemoryType::Emergency), 1, {"Emergency", "112", 0});
    restore(static_cast<int32_t>(MemoryType::Emergency), 2, {"Emergency", "911", 0});
    speedDials_[0] = SpeedDial{static_cast<int32_t>(MemoryType::Sim), 1};
}

}  // namespace phoneeng
