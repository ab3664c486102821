// The message calls of a phone reached through libgammu.
#include <cstdlib>
#include <cstring>
#include <thread>

#include "gammu/GammuLibrary.h"
#include "gammu/GammuPhone.h"
#include "gammu/GammuText.h"

namespace phoneeng {

PhoneDateTime phoneTimeOf(const GSM_DateTime &g);

namespace {

// Messages read per listing at most (a phone of the logo era holds far fewer).
constexpr int kMaxListed = 1000;
// Longest wait for the network's answer to a send inside the call.
constexpr std::chrono::milliseconds kSendStatusWait{4000};

size_t boxIndex(SmsBox box) {
    return box == SmsBox::Outbox ? 0 : box == SmsBox::Reports ? 1 : 2;
}

SmsMessage messageOf(const GSM_SMSMessage &m) {
    SmsMessage out;
    out.box = m.PDU == SMS_Status_Report ? SmsBox::Reports
              : m.InboxFolder            ? SmsBox::Inbox
                                         : SmsBox::Outbox;
    switch (m.Coding) {
        case SMS_Coding_Unicode_No_Compression:
        case SMS_Coding_Unicode_Compression:
            out.encoding = SmsEncoding::Unicode;
            out.text = utf16FromGammu(m.Text);
            break;
        case SMS_Coding_8bit: {
            out.encoding = SmsEncoding::Binary;
            const int udh = std::clamp(m.UDH.Length, 0, GSM_MAX_UDH_LENGTH);
            out.userData.assign(m.UDH.Text, m.UDH.Text + udh);
            const int n = std::clamp(m.Length, 0, GSM_MAX_SMS_LENGTH);
            out.userData.insert(out.userData.end(), m.Text, m.Text + n);
            break;
        }
        default:
            out.encoding = SmsEncoding::Text;
            out.text = utf16FromGammu(m.Text);
            break;
    }
    const std::string number = latin1FromGammu(m.Number);
    (out.box == SmsBox::Outbox ? out.destination : out.sender) = number;
    out.smsc = latin1FromGammu(m.SMSC.Number);
    out.time = phoneTimeOf(m.DateTime);
    out.sentRead = m.State == SMS_Sent || m.State == SMS_Read;
    out.smsClass = m.Class >= 0 && m.Class <= 3 ? m.Class : 1;
    out.reference = m.MessageReference;
    return out;
}

struct Listing {
    std::vector<std::pair<SmsMessage, std::pair<int, int>>> found;
};

// The SMS of one send, on the heap (the structure is large).
struct Outgoing {
    GSM_MultiSMSMessage sms;
};

GSM_Error encodeText(const SmsSendRequest &r, GSM_MultiSMSMessage &out) {
    GSM_MultiPartSMSInfo info;
    GSM_ClearMultiPartSMSInfo(&info);
    const size_t bytes = (r.text.size() + 1) * 2;
    auto *buffer = static_cast<unsigned char *>(std::malloc(bytes));
    if (!buffer) {
        return ERR_MOREMEMORY;
    }
    gammuFromUtf16(r.text, buffer, r.text.size());
    info.Class = r.smsClass;
    info.UnicodeCoding = r.encoding == SmsEncoding::Unicode ? TRUE : FALSE;
    info.EntriesNum = 1;
    info.Entries[0].ID = SMS_ConcatenatedTextLong;
    info.Entries[0].Buffer = buffer;
    const GSM_Error error = GSM_EncodeMultiPartSMS(GSM_GetGlobalDebug(), &info, &out);
    GSM_FreeMultiPartSMSInfo(&info);
    return error;
}

GSM_Error encodeParts(const SmsSendRequest &r, GSM_MultiSMSMessage &out) {
    if (r.parts.empty() || r.parts.size() > GSM_MAX_MULTI_SMS) {
        return ERR_INVALIDDATA;
    }
    out.Number = 0;
    for (const std::vector<uint8_t> &part : r.parts) {
        GSM_SMSMessage &sms = out.SMS[out.Number++];
        GSM_SetDefaultSMSData(&sms);
        sms.Coding = SMS_Coding_8bit;
        sms.Class = r.smsClass;
        size_t header = 0;
        if (r.partsHaveHeader && !part.empty()) {
            header = size_t{part[0]} + 1;
            if (header > part.size() || header > GSM_MAX_UDH_LENGTH) {
                return ERR_INVALIDDATA;
            }
            sms.UDH.Type = UDH_UserUDH;
            sms.UDH.Length = static_cast<int>(header);
            std::memcpy(sms.UDH.Text, part.data(), header);
        } else {
            sms.UDH.Type = UDH_NoUDH;
        }
        const size_t body = part.size() - header;
        if (body > 140) {
            return ERR_INVALIDDATA;
        }
        std::memcpy(sms.Text, part.data() + header, body);
        sms.Length = static_cast<int>(body);
    }
    return ERR_NONE;
}

}  // namespace

int16_t GammuPhone::storedServiceCentre(int32_t set, std::string &number) const {
    if (set < 1 || set > 3) {
        return PE_BAD_ARGUMENT;
    }
    auto smsc = std::make_shared<GSM_SMSC>();
    std::memset(smsc.get(), 0, sizeof(GSM_SMSC));
    smsc->Location = set;
    const int16_t code = call([smsc](GSM_StateMachine *s) { return GSM_GetSMSC(s, smsc.get()); });
    if (code == PE_OK) {
        number = latin1FromGammu(smsc->Number);
    }
    return code;
}

int16_t GammuPhone::send(const SmsSendRequest &request, int32_t, std::chrono::milliseconds,
                         SteadyTime &due) {
    due = std::chrono::steady_clock::now();
    auto out = std::make_shared<Outgoing>();
    std::memset(&out->sms, 0, sizeof(GSM_MultiSMSMessage));
    const GSM_Error encoded = request.encoding == SmsEncoding::Binary
                                  ? encodeParts(request, out->sms)
                                  : encodeText(request, out->sms);
    if (encoded != ERR_NONE || out->sms.Number < 1) {
        return PE_BAD_ARGUMENT;
    }
    for (int i = 0; i < out->sms.Number; ++i) {
        GSM_SMSMessage &sms = out->sms.SMS[i];
        gammuFromLatin1(request.destination, sms.Number, GSM_MAX_NUMBER_LENGTH);
        sms.PDU = request.deliveryReport ? SMS_Status_Report : SMS_Submit;
        if (request.serviceCentre.empty()) {
            sms.SMSC.Location = 1;
        } else {
            sms.SMSC.Location = 0;
            gammuFromLatin1(request.serviceCentre, sms.SMSC.Number, GSM_MAX_NUMBER_LENGTH);
        }
    }
    std::shared_ptr<GammuMachine> machine = machine_;
    const auto wait = std::min(kSendStatusWait, machine_->budget() / 2);
    return call([out, machine, wait](GSM_StateMachine *s) {
        for (int i = 0; i < out->sms.Number; ++i) {
            const size_t before = machine->sendStatusCount();
            const GSM_Error error = GSM_SendSMS(s, &out->sms.SMS[i]);
            if (error != ERR_NONE) {
                return error;
            }
            // The network's answer arrives while the device is read; what
            // comes later is picked up by the polling.
            const auto until = std::chrono::steady_clock::now() + wait;
            while (machine->sendStatusCount() == before &&
                   std::chrono::steady_clock::now() < until) {
                if (GSM_ReadDevice(s, FALSE) <= 0) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                }
            }
        }
        return ERR_NONE;
    });
}

int16_t GammuPhone::refreshMessages() {
    auto listing = std::make_shared<Listing>();
    const int16_t code = call([listing](GSM_StateMachine *s) {
        auto multi = std::make_unique<GSM_MultiSMSMessage>();
        std::memset(multi.get(), 0, sizeof(GSM_MultiSMSMessage));
        bool start = true;
        for (int n = 0; n < kMaxListed; ++n) {
            // As gammu's own listing does: the folder is the caller's to
            // clear, and some drivers refuse to go on from a folder they set.
            multi->SMS[0].Folder = 0;
            const GSM_Error error = GSM_GetNextSMS(s, multi.get(), start ? TRUE : FALSE);
            start = false;
            if (error == ERR_EMPTY) {
                return ERR_NONE;
            }
            if (error != ERR_NONE) {
                return error;
            }
            for (int i = 0; i < multi->Number; ++i) {
                const GSM_SMSMessage &m = multi->SMS[i];
                listing->found.push_back({messageOf(m), {m.Folder, m.Location}});
            }
        }
        return ERR_NONE;
    });
    if (code != PE_OK) {
        return code;
    }
    for (size_t b = 0; b < 3; ++b) {
        boxes_[b].clear();
        stored_[b].clear();
    }
    uint64_t id = 1;
    for (auto &[message, where] : listing->found) {
        const size_t b = boxIndex(message.box);
        message.id = id++;
        boxes_[b].push_back(std::move(message));
        stored_[b].push_back(Stored{where.first, where.second});
    }
    listed_ = true;
    return PE_OK;
}

const std::vector<SmsMessage> &GammuPhone::messages(SmsBox box) const {
    if (!listed_ && alive()) {
        listed_ = true;  // one attempt; updatesmslist reads again
        const_cast<GammuPhone *>(this)->refreshMessages();
    }
    return boxes_[boxIndex(box)];
}

int16_t GammuPhone::markRead(SmsBox box, int32_t location) {
    auto &list = boxes_[boxIndex(box)];
    if (location < 1 || static_cast<size_t>(location) > list.size()) {
        return PE_EMPTY;
    }
    // Reading a message on the phone marks it read there too.
    list[static_cast<size_t>(location) - 1].sentRead = true;
    return PE_OK;
}

int16_t GammuPhone::deleteMessage(SmsBox box, int32_t location) {
    const size_t b = boxIndex(box);
    if (location < 1) {
        return PE_BAD_ARGUMENT;
    }
    if (static_cast<size_t>(location) > boxes_[b].size()) {
        return PE_EMPTY;
    }
    const size_t at = static_cast<size_t>(location) - 1;
    const Stored where = stored_[b][at];
    const int16_t code = call([where](GSM_StateMachine *s) {
        auto sms = std::make_unique<GSM_SMSMessage>();
        std::memset(sms.get(), 0, sizeof(GSM_SMSMessage));
        sms->Folder = where.folder;
        sms->Location = where.location;
        return GSM_DeleteSMS(s, sms.get());
    });
    if (code == PE_OK) {
        boxes_[b].erase(boxes_[b].begin() + static_cast<std::ptrdiff_t>(at));
        stored_[b].erase(stored_[b].begin() + static_cast<std::ptrdiff_t>(at));
    }
    return code;
}

}  // namespace phoneeng
