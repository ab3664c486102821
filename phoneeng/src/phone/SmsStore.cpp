#include "phone/SmsStore.h"

#include "phone/PhoneIdentity.h"
#include "phoneeng.h"

namespace phoneeng {

namespace {

size_t indexOf(SmsBox box) {
    return static_cast<size_t>(box) - 11;
}

}  // namespace

const std::vector<SmsMessage> &SmsStore::box(SmsBox box) const {
    return boxes_[indexOf(box)];
}

std::vector<SmsMessage> &SmsStore::boxOf(SmsBox box) {
    return boxes_[indexOf(box)];
}

bool SmsStore::append(SmsMessage message) {
    auto &target = boxOf(message.box);
    if (target.size() >= kCapacity) {
        return false;
    }
    message.id = nextId_++;
    target.push_back(std::move(message));
    return true;
}

SmsMessage *SmsStore::at(SmsBox box, int32_t location) {
    auto &messages = boxOf(box);
    if (location < 1 || static_cast<size_t>(location) > messages.size()) {
        return nullptr;
    }
    return &messages[static_cast<size_t>(location) - 1];
}

const SmsMessage *SmsStore::at(SmsBox box, int32_t location) const {
    return const_cast<SmsStore *>(this)->at(box, location);
}

SmsMessage *SmsStore::byId(uint64_t id) {
    for (auto &messages : boxes_) {
        for (auto &m : messages) {
            if (m.id == id) {
                return &m;
            }
        }
    }
    return nullptr;
}

int16_t SmsStore::erase(SmsBox box, int32_t location) {
    if (location < 1) {
        return PE_BAD_ARGUMENT;
    }
    auto &messages = boxOf(box);
    if (static_cast<size_t>(location) > messages.size()) {
        return PE_EMPTY;
    }
    messages.erase(messages.begin() + (location - 1));
    return PE_OK;
}

void SmsStore::dropOldest(SmsBox box) {
    auto &messages = boxOf(box);
    if (!messages.empty()) {
        messages.erase(messages.begin());
    }
}

int32_t SmsStore::unread() const {
    int32_t n = 0;
    for (const auto &m : box(SmsBox::Inbox)) {
        n += m.sentRead ? 0 : 1;
    }
    return n;
}

int32_t SmsStore::total() const {
    size_t n = 0;
    for (const auto &messages : boxes_) {
        n += messages.size();
    }
    return static_cast<int32_t>(n);
}

const SmsMessage *SmsStore::nth(int32_t k) const {
    if (k < 0) {
        return nullptr;
    }
    auto rest = static_cast<size_t>(k);
    for (SmsBox b : {SmsBox::Inbox, SmsBox::Outbox, SmsBox::Reports}) {
        const auto &messages = box(b);
        if (rest < messages.size()) {
            return &messages[rest];
        }
        rest -= messages.size();
    }
    return nullptr;
}

void SmsStore::seed() {
    const std::string own = virtualphone::kOwnNumber;
    const std::string centre = virtualphone::kSmsCentres[0];
    auto add = [&](const char *from, std::u16string text, SmsEncoding encoding, bool read,
                   PhoneDateTime time) {
        SmsMessage m;
        m.box = SmsBox::Inbox;
        m.encoding = encoding;
        m.text = std::move(text);
        m.sender = from;
        m.destination = own;
        m.smsc = centre;
        m.time = time;
        m.sentRead = read;
        m.dcs = encoding == SmsEncoding::Unicode ? 0x08 : 0x00;
        append(std::move(m));
    };
    add("+15555550199", u"Welcome to Virtual Net. Your virtual phone is ready to use.",
        SmsEncoding::Text, true, {2003, 11, 2, 9, 15, 0});
    add("+15555550101", u"Hi! Are we still on for lunch tomorrow? 12:30 at the usual place.",
        SmsEncoding::Text, true, {2003, 11, 20, 18, 42, 7});
    add("+15555550100", u"You have 1 new voice message. Call 5550100 to listen.", SmsEncoding::Text,
        false, {2003, 11, 21, 8, 3, 55});
    add("+15555550106",
        u"Gr\u00fc\u00dfe aus Ath\u00e8nes: \u039a\u03b1\u03bb\u03b7\u03bc\u03ad\u03c1\u03b1!",
        SmsEncoding::Unicode, false, {2003, 11, 21, 10, 27, 31});
}

}  // namespace phoneeng
