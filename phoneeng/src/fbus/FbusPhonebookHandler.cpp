#include "fbus/FbusPhonebookHandler.h"

#include <optional>

#include "fbus/FbusBitmaps.h"
#include "fbus/FbusReader.h"
#include "logo/ByteIo.h"
#include "phone/PhonebookMemory.h"

namespace phoneeng::fbus {

namespace {

constexpr uint8_t kNoGroup = 0xFF;
// Errors in the second byte of a failure answer.
constexpr uint8_t kErrorEmpty = 0x74;
constexpr uint8_t kErrorLocation = 0x7D;
constexpr uint8_t kErrorRefused = 0x90;

struct MemoryCode {
    uint8_t code;
    MemoryType memory;
};
constexpr MemoryCode kMemories[] = {
    {0x02, MemoryType::Phone},   {0x03, MemoryType::Sim},      {0x05, MemoryType::OwnNumber},
    {0x07, MemoryType::Dialled}, {0x08, MemoryType::Received}, {0x09, MemoryType::Missed},
};

std::optional<int32_t> memoryOf(uint8_t code) {
    for (const auto &m : kMemories) {
        if (m.code == code) {
            return static_cast<int32_t>(m.memory);
        }
    }
    return std::nullopt;
}

uint8_t codeOf(int32_t memory) {
    for (const auto &m : kMemories) {
        if (static_cast<int32_t>(m.memory) == memory) {
            return m.code;
        }
    }
    return 0x02;
}

bool isCallList(int32_t memory) {
    return memory == static_cast<int32_t>(MemoryType::Dialled) ||
           memory == static_cast<int32_t>(MemoryType::Received) ||
           memory == static_cast<int32_t>(MemoryType::Missed);
}

void putCounted(std::vector<uint8_t> &out, const std::string &text) {
    const std::string cut = text.substr(0, 0xFF);
    out.push_back(static_cast<uint8_t>(cut.size()));
    bytes::putText(out, cut);
}

}  // namespace

void FbusPhonebookHandler::handle(const FbusMessage &request, FbusContext &context,
                                  std::vector<FbusMessage> &replies) {
    Phone &phone = context.phone;
    switch (subtypeOf(request)) {
        case 0x01:
            replies.push_back(readEntry(request, phone));
            return;
        case 0x04:
            replies.push_back(writeEntry(request, phone));
            return;
        case 0x07:
            replies.push_back(memoryStatus(request, phone));
            return;
        case 0x10:
            replies.push_back(readGroup(request, phone));
            return;
        case 0x13:
            replies.push_back(writeGroup(request, phone));
            return;
        case 0x16:
            replies.push_back(speedDial(request, phone));
            return;
        default:
            return;
    }
}

FbusMessage FbusPhonebookHandler::readEntry(const FbusMessage &request, Phone &phone) {
    // 00 01 00 01, memory, location (call lists from 0)
    FbusReader in(request.body, 4);
    const uint8_t code = in.u8();
    int32_t location = in.u8();
    const auto memory = memoryOf(code);
    if (!in.ok() || !memory) {
        return reply(0x03, 0x03, {kErrorLocation});
    }
    if (isCallList(*memory)) {
        ++location;
    }
    PhonebookEntry entry;
    const int16_t result = phone.readEntry(*memory, location, entry);
    if (result == PE_PAST_END || result == PE_BAD_ARGUMENT) {
        return reply(0x03, 0x03, {kErrorEmpty});
    }
    if (result != PE_OK) {
        return reply(0x03, 0x03, {kErrorLocation});
    }
    std::vector<uint8_t> data{code};
    putCounted(data, entry.empty() ? "" : entry.name);
    putCounted(data, entry.number);
    data.push_back(entry.group >= 1 && entry.group <= PhonebookMemory::kMaxGroup
                       ? static_cast<uint8_t>(entry.group - 1)
                       : kNoGroup);
    if (isCallList(*memory)) {
        // No time is kept with calls: the marker reading that means "none".
        data.insert(data.end(), {0x00, 0x08, 0x46, 0x01, 0x14, 0x03, 0x0E, 0x07});
    }
    return reply(0x03, 0x02, data);
}

FbusMessage FbusPhonebookHandler::writeEntry(const FbusMessage &request, Phone &phone) {
    // 00 01 00 04, memory, location, name length, name, number length, number, group
    FbusReader in(request.body, 4);
    const auto memory = memoryOf(in.u8());
    const int32_t location = in.u8();
    PhonebookEntry entry;
    entry.name = in.text(in.u8());
    entry.number = in.text(in.u8());
    const uint8_t group = in.u8();
    entry.group = group < PhonebookMemory::kMaxGroup ? group + 1 : 0;
    if (!in.ok() || !memory) {
        return reply(0x03, 0x06, {kErrorRefused});
    }
    const int16_t result = entry.name.empty() && entry.number.empty()
                               ? phone.deleteEntry(*memory, location)
                               : phone.writeEntry(*memory, location, entry);
    if (result == PE_OK) {
        return reply(0x03, 0x05, {codeOf(*memory), static_cast<uint8_t>(location)});
    }
    return reply(0x03, 0x06, {result == PE_PAST_END ? kErrorLocation : kErrorRefused});
}

FbusMessage FbusPhonebookHandler::memoryStatus(const FbusMessage &request, Phone &phone) {
    FbusReader in(request.body, 4);
    const uint8_t code = in.u8();
    const auto memory = memoryOf(code);
    if (!in.ok() || !memory) {
        return reply(0x03, 0x09, {kErrorLocation});
    }
    const int32_t capacity = PhonebookMemory::capacity(*memory);
    int32_t used = 0;
    for (int32_t location = 1; location <= capacity; ++location) {
        PhonebookEntry entry;
        if (phone.readEntry(*memory, location, entry) == PE_OK && !entry.empty()) {
            ++used;
        }
    }
    return reply(0x03, 0x08,
                 {code, static_cast<uint8_t>(std::min(capacity - used, 255)),
                  static_cast<uint8_t>(std::min(used, 255))});
}

FbusMessage FbusPhonebookHandler::speedDial(const FbusMessage &request, Phone &phone) {
    FbusReader in(request.body, 4);
    const int32_t key = in.u8();
    int32_t memory = 0;
    int32_t location = 0;
    if (!in.ok() || phone.readSpeedDial(key, memory, location) != PE_OK) {
        return reply(0x03, 0x18, {});
    }
    return reply(0x03, 0x17, {codeOf(memory), static_cast<uint8_t>(location)});
}

FbusMessage FbusPhonebookHandler::readGroup(const FbusMessage &request, Phone &phone) {
    FbusReader in(request.body, 4);
    const uint8_t group = in.u8();
    Logo logo;
    logo.groupNumber = group;
    const int16_t result = in.ok()
                               ? phone.downloadLogo(static_cast<int32_t>(LogoType::Caller), logo)
                               : PE_BAD_ARGUMENT;
    if (result != PE_OK && result != PE_EMPTY) {
        return reply(0x03, 0x12, {});
    }
    const bool shown = result == PE_OK;
    if (!shown) {
        logo.setType(LogoType::Caller);
    }
    // group, name, ring tone (16: the default), logo shown, size, 00 72 14 01, rows.
    std::vector<uint8_t> data{group};
    putCounted(data, logo.groupName);
    data.insert(data.end(), {0x10, static_cast<uint8_t>(shown ? 0x01 : 0x00)});
    putRowsBlock(data, logo);
    return reply(0x03, 0x11, data);
}

FbusMessage FbusPhonebookHandler::writeGroup(const FbusMessage &request, Phone &phone) {
    // 00 01 00 13, group, name length, name, ring tone, shown, size (16 bits),
    // 00, width, height, 01, rows
    FbusReader in(request.body, 4);
    Logo logo;
    logo.setType(LogoType::Caller);
    logo.groupNumber = in.u8();
    logo.groupName = in.text(in.u8());
    in.skip(2 + 2);  // ring tone, shown, size
    if (!readRows(in, logo)) {
        return reply(0x03, 0x15, {});
    }
    return phone.uploadLogo(logo) == PE_OK ? reply(0x03, 0x14, {}) : reply(0x03, 0x15, {});
}

}  // namespace phoneeng::fbus
