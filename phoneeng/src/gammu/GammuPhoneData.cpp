// The phonebook, speed-dial, logo and ring tone calls of a phone reached
// through libgammu.
#include <cstring>

#include "gammu/GammuLibrary.h"
#include "gammu/GammuPhone.h"
#include "gammu/GammuText.h"
#include "ringtone/RingToneBinary.h"

namespace phoneeng {

namespace {

GSM_MemoryType gammuMemory(int32_t memory) {
    switch (static_cast<MemoryType>(memory)) {
        case MemoryType::Phone:
            return MEM_ME;
        case MemoryType::Sim:
            return MEM_SM;
        case MemoryType::FixedDial:
            return MEM_FD;
        case MemoryType::OwnNumber:
            return MEM_ON;
        case MemoryType::Dialled:
        case MemoryType::LastDialled:
            return MEM_DC;
        case MemoryType::Received:
            return MEM_RC;
        case MemoryType::Missed:
            return MEM_MC;
        case MemoryType::Combined:
            return MEM_MT;
        default:
            return MEM_INVALID;
    }
}

int32_t memoryOf(GSM_MemoryType type) {
    for (int32_t m = 0; m <= static_cast<int32_t>(MemoryType::Combined); ++m) {
        if (gammuMemory(m) == type) {
            return m;
        }
    }
    return static_cast<int32_t>(MemoryType::Phone);
}

bool isNumber(GSM_EntryType type) {
    switch (type) {
        case PBK_Number_General:
        case PBK_Number_Mobile:
        case PBK_Number_Fax:
        case PBK_Number_Pager:
        case PBK_Number_Other:
            return true;
        default:
            return false;
    }
}

struct Entry {
    GSM_MemoryEntry entry;
};

GSM_Bitmap_Types bitmapType(LogoType type) {
    switch (type) {
        case LogoType::Startup:
            return GSM_StartupLogo;
        case LogoType::Operator:
            return GSM_OperatorLogo;
        case LogoType::Caller:
            return GSM_CallerGroupLogo;
        default:
            return GSM_PictureImage;
    }
}

// The phone's locations of caller groups and pictures count from 1.
unsigned char bitmapLocation(const Logo &logo) {
    return static_cast<unsigned char>(std::min(logo.groupNumber + 1, 255));
}

}  // namespace

int32_t GammuPhone::memorySize(int32_t memory) const {
    auto status = std::make_shared<GSM_MemoryStatus>();
    std::memset(status.get(), 0, sizeof(GSM_MemoryStatus));
    status->MemoryType = gammuMemory(memory);
    if (call([status](GSM_StateMachine *s) { return GSM_GetMemoryStatus(s, status.get()); }) !=
        PE_OK) {
        return 0;
    }
    return status->MemoryUsed + status->MemoryFree;
}

int16_t GammuPhone::readEntry(int32_t memory, int32_t location, PhonebookEntry &out) const {
    if (location < 1 || memory < 0 || memory > static_cast<int32_t>(MemoryType::Combined)) {
        return PE_BAD_ARGUMENT;
    }
    if (gammuMemory(memory) == MEM_INVALID) {
        return PE_NOT_SUPPORTED;
    }
    const int32_t size = memorySize(memory);
    if (!alive()) {
        return PE_TIMEOUT;
    }
    if (size > 0 && location > size) {
        return PE_PAST_END;
    }
    auto e = std::make_shared<Entry>();
    std::memset(&e->entry, 0, sizeof(GSM_MemoryEntry));
    e->entry.MemoryType = gammuMemory(memory);
    e->entry.Location = location;
    auto result = std::make_shared<PhonebookEntry>();
    const int16_t code = call([e, result](GSM_StateMachine *s) {
        const GSM_Error error = GSM_GetMemory(s, &e->entry);
        if (error != ERR_NONE) {
            return error;
        }
        for (int i = 0; i < e->entry.EntriesNum; ++i) {
            const GSM_SubMemoryEntry &sub = e->entry.Entries[i];
            if (sub.EntryType == PBK_Text_Name && result->name.empty()) {
                result->name = latin1FromGammu(sub.Text);
            } else if (isNumber(sub.EntryType) && result->number.empty()) {
                result->number = latin1FromGammu(sub.Text);
            } else if (sub.EntryType == PBK_Caller_Group) {
                result->group = sub.Number;
            }
        }
        GSM_FreeMemoryEntry(&e->entry);
        return ERR_NONE;
    });
    if (code == PE_EMPTY) {
        out = PhonebookEntry{};
        return PE_OK;
    }
    if (code == PE_OK) {
        out = *result;
    }
    return code;
}

int16_t GammuPhone::writeEntry(int32_t memory, int32_t location, const PhonebookEntry &entry) {
    if (location < 1 || memory < 0 || memory > static_cast<int32_t>(MemoryType::Combined) ||
        entry.group < 0 || entry.group > 5 || entry.name.size() > GSM_PHONEBOOK_TEXT_LENGTH ||
        entry.number.size() > GSM_PHONEBOOK_TEXT_LENGTH) {
        return PE_BAD_ARGUMENT;
    }
    if (gammuMemory(memory) == MEM_INVALID) {
        return PE_NOT_SUPPORTED;
    }
    if (entry.number.empty()) {
        return deleteEntry(memory, location);
    }
    auto e = std::make_shared<Entry>();
    std::memset(&e->entry, 0, sizeof(GSM_MemoryEntry));
    GSM_MemoryEntry &m = e->entry;
    m.MemoryType = gammuMemory(memory);
    m.Location = location;
    m.Entries[0].EntryType = PBK_Text_Name;
    gammuFromLatin1(entry.name, m.Entries[0].Text, GSM_PHONEBOOK_TEXT_LENGTH);
    m.Entries[1].EntryType = PBK_Number_General;
    gammuFromLatin1(entry.number, m.Entries[1].Text, GSM_PHONEBOOK_TEXT_LENGTH);
    m.EntriesNum = 2;
    if (entry.group > 0) {
        m.Entries[2].EntryType = PBK_Caller_Group;
        m.Entries[2].Number = entry.group;
        m.EntriesNum = 3;
    }
    return call([e](GSM_StateMachine *s) { return GSM_SetMemory(s, &e->entry); });
}

int16_t GammuPhone::deleteEntry(int32_t memory, int32_t location) {
    if (location < 1 || memory < 0 || memory > static_cast<int32_t>(MemoryType::Combined)) {
        return PE_BAD_ARGUMENT;
    }
    if (gammuMemory(memory) == MEM_INVALID) {
        return PE_NOT_SUPPORTED;
    }
    auto e = std::make_shared<Entry>();
    std::memset(&e->entry, 0, sizeof(GSM_MemoryEntry));
    e->entry.MemoryType = gammuMemory(memory);
    e->entry.Location = location;
    const int16_t code = call([e](GSM_StateMachine *s) { return GSM_DeleteMemory(s, &e->entry); });
    return code == PE_EMPTY ? int16_t{PE_OK} : code;  // nothing there: nothing to do
}

int16_t GammuPhone::readSpeedDial(int32_t key, int32_t &memory, int32_t &location) const {
    if (key < 2 || key > 9) {
        return PE_BAD_ARGUMENT;
    }
    auto dial = std::make_shared<GSM_SpeedDial>();
    std::memset(dial.get(), 0, sizeof(GSM_SpeedDial));
    dial->Location = key;
    const int16_t code =
        call([dial](GSM_StateMachine *s) { return GSM_GetSpeedDial(s, dial.get()); });
    if (code == PE_OK) {
        memory = memoryOf(dial->MemoryType);
        location = dial->MemoryLocation;
    }
    return code;
}

int16_t GammuPhone::writeSpeedDial(int32_t key, int32_t memory, int32_t location) {
    if (key < 2 || key > 9 || location < 1 || memory < 0 ||
        memory > static_cast<int32_t>(MemoryType::Combined)) {
        return PE_BAD_ARGUMENT;
    }
    if (gammuMemory(memory) == MEM_INVALID) {
        return PE_NOT_SUPPORTED;
    }
    auto dial = std::make_shared<GSM_SpeedDial>();
    std::memset(dial.get(), 0, sizeof(GSM_SpeedDial));
    dial->Location = key;
    dial->MemoryType = gammuMemory(memory);
    dial->MemoryLocation = location;
    dial->MemoryNumberID = 1;
    return call([dial](GSM_StateMachine *s) { return GSM_SetSpeedDial(s, dial.get()); });
}

int16_t GammuPhone::uploadLogo(const Logo &logo) {
    if (logo.type() == LogoType::None) {
        return PE_BAD_ARGUMENT;
    }
    if (logo.type() == LogoType::Operator && logo.netCode.size() >= 10) {
        return PE_BAD_ARGUMENT;
    }
    auto bitmap = std::make_shared<GSM_Bitmap>();
    GSM_Bitmap &b = *bitmap;
    std::memset(&b, 0, sizeof(GSM_Bitmap));
    b.Type = bitmapType(logo.type());
    b.BitmapWidth = static_cast<size_t>(logo.width());
    b.BitmapHeight = static_cast<size_t>(logo.height());
    GSM_ClearBitmap(&b);
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            if (logo.pixel(x, y)) {
                GSM_SetPointBitmap(&b, x, y);
            }
        }
    }
    switch (logo.type()) {
        case LogoType::Startup:
            // The still startup logo is location 1; drivers take the others
            // for animations and refuse them on phones without.
            b.Location = 1;
            break;
        case LogoType::Operator:
            std::strncpy(b.NetworkCode, logo.netCode.c_str(), sizeof b.NetworkCode - 1);
            break;
        case LogoType::Caller:
            b.Location = bitmapLocation(logo);
            gammuFromLatin1(logo.groupName, b.Text, GSM_BITMAP_TEXT_LENGTH);
            b.BitmapEnabled = TRUE;
            b.DefaultName = logo.groupName.empty() ? TRUE : FALSE;
            b.DefaultRingtone = TRUE;
            break;
        case LogoType::Picture:
            b.Location = bitmapLocation(logo);
            gammuFromUtf16(logo.message, b.Text, GSM_BITMAP_TEXT_LENGTH);
            break;
        default:
            break;
    }
    return call([bitmap](GSM_StateMachine *s) { return GSM_SetBitmap(s, bitmap.get()); });
}

int16_t GammuPhone::downloadLogo(int32_t type, Logo &logo) const {
    if (!isLogoType(type) || type == static_cast<int32_t>(LogoType::None)) {
        return PE_BAD_ARGUMENT;
    }
    auto bitmap = std::make_shared<GSM_Bitmap>();
    std::memset(bitmap.get(), 0, sizeof(GSM_Bitmap));
    bitmap->Type = bitmapType(static_cast<LogoType>(type));
    bitmap->Location = bitmapLocation(logo);
    const int16_t code =
        call([bitmap](GSM_StateMachine *s) { return GSM_GetBitmap(s, bitmap.get()); });
    if (code != PE_OK) {
        return code;
    }
    Logo read = logo;
    read.setType(static_cast<LogoType>(type));
    const int w = std::min(read.width(), static_cast<int>(bitmap->BitmapWidth));
    const int h = std::min(read.height(), static_cast<int>(bitmap->BitmapHeight));
    for (int y = 0; y < read.height(); ++y) {
        for (int x = 0; x < read.width(); ++x) {
            read.setPixel(x, y, x < w && y < h && GSM_IsPointBitmap(bitmap.get(), x, y));
        }
    }
    switch (read.type()) {
        case LogoType::Operator:
            read.netCode.assign(bitmap->NetworkCode, strnlen(bitmap->NetworkCode, 9));
            break;
        case LogoType::Caller:
            read.groupName = latin1FromGammu(bitmap->Text).substr(0, Logo::kMaxGroupName);
            break;
        case LogoType::Picture:
            read.message = utf16FromGammu(bitmap->Text).substr(0, Logo::kMaxMessage);
            break;
        default:
            break;
    }
    logo = std::move(read);
    return PE_OK;
}

int16_t GammuPhone::uploadRingTone(int32_t location, const RingTone &tone) {
    if (location < 1) {
        return PE_BAD_ARGUMENT;
    }
    std::vector<uint8_t> bytes = encodeRingToneBinary(tone);
    if (bytes.empty()) {
        return PE_BAD_ARGUMENT;
    }
    bytes.resize(bytes.size() + 64, 0);  // the reader looks a little past the end
    auto ringtone = std::make_shared<GSM_Ringtone>();
    std::memset(ringtone.get(), 0, sizeof(GSM_Ringtone));
    if (GSM_DecodeNokiaRTTLRingtone(ringtone.get(), bytes.data(), bytes.size()) != ERR_NONE) {
        return PE_BAD_ARGUMENT;
    }
    ringtone->Format = RING_NOTETONE;
    ringtone->Location = location;
    return call([ringtone](GSM_StateMachine *s) {
        int maxLength = 0;
        return GSM_SetRingtone(s, ringtone.get(), &maxLength);
    });
}

}  // namespace phoneeng
