#include "phone/VirtualPhone.h"

#include <ctime>

#include "phone/PhoneNumber.h"
#include "phoneeng.h"

namespace phoneeng {

namespace {

std::unique_ptr<VirtualPhone> &instance() {
    static std::unique_ptr<VirtualPhone> phone;
    return phone;
}

int32_t usedLocations(const std::vector<PhonebookEntry> &entries) {
    int32_t n = 0;
    for (const auto &e : entries) {
        n += e.empty() ? 0 : 1;
    }
    return n;
}

}  // namespace

VirtualPhone &virtualPhone() {
    auto &phone = instance();
    if (!phone) {
        const std::string dir = StateFile::defaultDirectory();
        phone = std::make_unique<VirtualPhone>(dir.empty() ? nullptr
                                                           : std::make_unique<StateFile>(dir));
    }
    return *phone;
}

void discardVirtualPhone() {
    instance().reset();
}

VirtualPhone::VirtualPhone(std::unique_ptr<StateFile> file) : file_(std::move(file)) {
    if (file_) {
        loadResult_ = file_->load(data_);
    }
    if (loadResult_ != StateFile::Loaded::Restored) {
        data_ = VirtualPhoneData{};
        data_.seed();
    }
}

int16_t VirtualPhone::saved(int16_t code) {
    if (code == PE_OK && file_) {
        file_->save(data_);
    }
    return code;
}

std::string VirtualPhone::ownNumber() const {
    PhonebookEntry own;
    data_.phonebook.read(static_cast<int32_t>(MemoryType::OwnNumber), 1, own);
    return own.number;
}

// ---- Sessions ------------------------------------------------------------

int32_t VirtualPhone::openSession() {
    const int32_t id = nextSession_++;
    sessions_[id] = LinkEvents{};
    return id;
}

void VirtualPhone::closeSession(int32_t session) {
    sessions_.erase(session);
}

LinkEvents *VirtualPhone::events(int32_t session) {
    const auto it = sessions_.find(session);
    return it == sessions_.end() ? nullptr : &it->second;
}

// ---- Identity and state --------------------------------------------------

PhoneIdentity VirtualPhone::identity() const {
    return virtualphone::identity();
}

NetworkStatus VirtualPhone::network() const {
    return virtualphone::network(std::time(nullptr));
}

std::string VirtualPhone::displayStatus() const {
    std::string flags(8, '0');
    flags[0] = calls_.phase() != CallState::Phase::Idle ? '1' : '0';
    flags[1] = data_.sms.unread() > 0 ? '1' : '0';
    flags[5] = calls_.typed().empty() ? '0' : '1';
    flags[6] = calls_.keyboardLocked() ? '1' : '0';
    flags[7] = data_.sms.freeSpace(SmsBox::Inbox) == 0 ? '1' : '0';
    return flags;
}

// ---- Calls, keys, clock --------------------------------------------------

void VirtualPhone::feedCallLists(const CallState::CallList &calls) {
    for (const auto &call : calls) {
        data_.phonebook.logCall(call.list, call.number);
    }
    if (!calls.empty() && file_) {
        file_->save(data_);
    }
}

int16_t VirtualPhone::dial(const std::string &number) {
    CallState::CallList calls;
    const int16_t code = calls_.dial(number, calls);
    feedCallLists(calls);
    return code;
}

int16_t VirtualPhone::sendDtmf(const std::string &digits) {
    return calls_.dtmf(digits);
}

int16_t VirtualPhone::pressKeys(const std::string &keys) {
    CallState::CallList calls;
    const int16_t code = calls_.keys(keys, calls);
    feedCallLists(calls);
    return code;
}

int16_t VirtualPhone::reset(const std::string &mode) {
    return calls_.reset(mode);
}

int16_t VirtualPhone::hangUp() {
    CallState::CallList calls;
    const int16_t code = calls_.hangUp(calls);
    feedCallLists(calls);
    return code;
}

int16_t VirtualPhone::answer() {
    CallState::CallList calls;
    const int16_t code = calls_.answer(calls);
    feedCallLists(calls);
    return code;
}

int16_t VirtualPhone::beep(int32_t on) {
    return calls_.beep(on);
}

int16_t VirtualPhone::netMonitor(const std::string &mode, std::string &screen) {
    NetMonitor::Context c;
    c.identity = identity();
    c.network = network();
    c.inbox = static_cast<int32_t>(data_.sms.box(SmsBox::Inbox).size());
    c.outbox = static_cast<int32_t>(data_.sms.box(SmsBox::Outbox).size());
    c.unread = data_.sms.unread();
    const auto &pb = data_.phonebook;
    c.simUsed = usedLocations(pb.locations(MemoryType::Sim));
    c.simSize = PhonebookMemory::capacity(static_cast<int32_t>(MemoryType::Sim));
    c.phoneUsed = usedLocations(pb.locations(MemoryType::Phone));
    c.phoneSize = PhonebookMemory::capacity(static_cast<int32_t>(MemoryType::Phone));
    c.dialled = usedLocations(pb.locations(MemoryType::Dialled));
    c.received = usedLocations(pb.locations(MemoryType::Received));
    c.missed = usedLocations(pb.locations(MemoryType::Missed));
    c.callActive = calls_.phase() == CallState::Phase::Active;
    const auto before = data_.netMonitor.mode();
    const int16_t code = data_.netMonitor.request(mode, c, screen);
    return data_.netMonitor.mode() != before ? saved(code) : code;
}

int16_t VirtualPhone::setStartupText(const std::string &text) {
    return saved(data_.logos.setStartupText(text));
}

int16_t VirtualPhone::setDateTime(const PhoneDateTime &t) {
    return saved(data_.clock.set(t));
}

PhoneDateTime VirtualPhone::dateTime() const {
    return data_.clock.now();
}

int16_t VirtualPhone::setAlarm(int32_t hour, int32_t minute) {
    return saved(data_.clock.setAlarm(hour, minute));
}

void VirtualPhone::alarm(bool &on, int32_t &hour, int32_t &minute) const {
    on = data_.clock.alarmOn();
    hour = data_.clock.alarmHour();
    minute = data_.clock.alarmMinute();
}

int16_t VirtualPhone::ring(const std::string &number, const std::string &name) {
    std::string who = name;
    if (who.empty()) {
        std::string n = number;
        if (!n.empty() && n.front() == 'D') {
            n.front() = '+';
        }
        who = data_.phonebook.nameOf(n);
    }
    const int16_t code = calls_.ring(number, who);
    if (code == PE_OK) {
        for (auto &[id, events] : sessions_) {
            events.incomingCall = true;
        }
    }
    return code;
}

std::string VirtualPhone::ringingNumber() const {
    return calls_.phase() == CallState::Phase::Ringing ? incomingForm(calls_.number()) : "";
}

std::string VirtualPhone::ringingName() const {
    return calls_.phase() == CallState::Phase::Ringing ? calls_.name() : "";
}

// ---- Phonebook -----------------------------------------------------------

int16_t VirtualPhone::readEntry(int32_t memory, int32_t location, PhonebookEntry &out) const {
    return data_.phonebook.read(memory, location, out);
}

int16_t VirtualPhone::writeEntry(int32_t memory, int32_t location, const PhonebookEntry &entry) {
    return saved(data_.phonebook.write(memory, location, entry));
}

int16_t VirtualPhone::deleteEntry(int32_t memory, int32_t location) {
    return saved(data_.phonebook.erase(memory, location));
}

int16_t VirtualPhone::readSpeedDial(int32_t key, int32_t &memory, int32_t &location) const {
    return data_.phonebook.readSpeedDial(key, memory, location);
}

int16_t VirtualPhone::writeSpeedDial(int32_t key, int32_t memory, int32_t location) {
    return saved(data_.phonebook.writeSpeedDial(key, memory, location));
}

// ---- Logos and ring tones -----------------------------------------------

int16_t VirtualPhone::uploadLogo(const Logo &logo) {
    return saved(data_.logos.upload(logo, network().providerCode));
}

int16_t VirtualPhone::downloadLogo(int32_t type, Logo &logo) const {
    return data_.logos.download(type, logo);
}

bool VirtualPhone::lastReceivedLogo(Logo &logo) const {
    if (!lastReceived_) {
        return false;
    }
    logo = *lastReceived_;
    return true;
}

int16_t VirtualPhone::uploadRingTone(int32_t location, const RingTone &tone) {
    return saved(data_.ringTones.upload(location, tone));
}

}  // namespace phoneeng
