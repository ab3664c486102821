// The virtual phone's messages: sending, the network's part, arrival.
#include <chrono>

#include "phone/PhoneIdentity.h"
#include "phone/PhoneNumber.h"
#include "phone/SmartMessage.h"
#include "phone/VirtualPhone.h"
#include "phoneeng.h"

namespace phoneeng {

namespace {

constexpr size_t kMaxParts = 255;

// Parts a text of `units` characters needs: 160 (Unicode 70) in one SMS,
// 153 (67) per part when concatenated.
size_t textParts(SmsEncoding encoding, size_t units) {
    const size_t single = encoding == SmsEncoding::Unicode ? 70 : 160;
    const size_t part = encoding == SmsEncoding::Unicode ? 67 : 153;
    return units <= single ? 1 : (units + part - 1) / part;
}

}  // namespace

int16_t VirtualPhone::storedServiceCentre(int32_t set, std::string &number) const {
    if (set < 1 || set > virtualphone::kStoredCentres) {
        return PE_BAD_ARGUMENT;
    }
    number = virtualphone::kSmsCentres[set - 1];
    return PE_OK;
}

const std::vector<SmsMessage> &VirtualPhone::messages(SmsBox box) const {
    return data_.sms.box(box);
}

int16_t VirtualPhone::markRead(SmsBox box, int32_t location) {
    SmsMessage *m = data_.sms.at(box, location);
    if (!m) {
        return location < 1 ? PE_BAD_ARGUMENT : PE_EMPTY;
    }
    if (box == SmsBox::Outbox || m->sentRead) {
        return PE_OK;
    }
    m->sentRead = true;
    return saved(PE_OK);
}

int16_t VirtualPhone::deleteMessage(SmsBox box, int32_t location) {
    return saved(data_.sms.erase(box, location));
}

int16_t VirtualPhone::send(const SmsSendRequest &request, int32_t session,
                           std::chrono::milliseconds delay, SteadyTime &due) {
    if (!isMessageAddress(request.destination) || !isMessageAddress(request.serviceCentre) ||
        request.smsClass < 0 || request.smsClass > 3 || delay.count() < 0) {
        return PE_BAD_ARGUMENT;
    }
    std::vector<SmsMessage> records;
    SmsMessage base;
    base.box = SmsBox::Outbox;
    base.encoding = request.encoding;
    base.sender = ownNumber();
    base.destination = request.destination;
    base.smsc = request.serviceCentre;
    base.time = data_.clock.now();
    base.smsClass = request.smsClass;
    base.pid = request.pid;
    base.dcs = request.dcs;
    base.reference = data_.nextReference;
    if (request.encoding == SmsEncoding::Binary) {
        if (request.parts.empty() || request.parts.size() > kMaxParts) {
            return PE_BAD_ARGUMENT;
        }
        for (const auto &part : request.parts) {
            if (part.size() > smartmessage::kMaxUserData) {
                return PE_BAD_ARGUMENT;
            }
            SmsMessage m = base;
            m.userData = part;
            records.push_back(std::move(m));
        }
    } else {
        if (textParts(request.encoding, request.text.size()) > kMaxParts) {
            return PE_BAD_ARGUMENT;
        }
        SmsMessage m = base;
        m.text = request.text;
        records.push_back(std::move(m));
    }
    if (data_.sms.freeSpace(SmsBox::Outbox) < records.size()) {
        return PE_PHONE_ERROR;
    }
    PendingSend pending;
    pending.due = std::chrono::steady_clock::now() + delay;
    pending.session = session;
    pending.reference = data_.nextReference;
    pending.request = request;
    for (auto &m : records) {
        data_.sms.append(std::move(m));
        pending.outboxIds.push_back(data_.sms.box(SmsBox::Outbox).back().id);
    }
    data_.nextReference = (data_.nextReference + 1) % 256;
    due = pending.due;
    pending_.push_back(std::move(pending));
    if (delay.count() == 0) {
        pump();  // taken at once; pump() saves
    } else {
        saved(PE_OK);
    }
    return PE_OK;
}

void VirtualPhone::pump() {
    const auto now = std::chrono::steady_clock::now();
    bool changed = false;
    for (size_t i = 0; i < pending_.size();) {
        if (pending_[i].due <= now) {
            PendingSend send = std::move(pending_[i]);
            pending_.erase(pending_.begin() + static_cast<std::ptrdiff_t>(i));
            complete(send);
            changed = true;
        } else {
            ++i;
        }
    }
    if (changed) {
        saved(PE_OK);
    }
}

void VirtualPhone::complete(PendingSend &send) {
    for (uint64_t id : send.outboxIds) {
        if (SmsMessage *m = data_.sms.byId(id)) {
            m->sentRead = true;
            m->time = data_.clock.now();
        }
    }
    const std::string own = ownNumber();
    bool delivered = true;
    if (!own.empty() && comparableNumber(own) == comparableNumber(send.request.destination)) {
        delivered = receive(send);
    }
    if (LinkEvents *events = this->events(send.session)) {
        events->acks.push_back({send.reference, delivered});
        while (events->acks.size() > LinkEvents::kMaxAcks) {
            events->acks.pop_front();
        }
    }
    if (send.request.deliveryReport) {
        if (data_.sms.freeSpace(SmsBox::Reports) == 0) {
            data_.sms.dropOldest(SmsBox::Reports);
        }
        SmsMessage report;
        report.box = SmsBox::Reports;
        report.encoding = SmsEncoding::Text;
        report.text = delivered ? u"Delivered" : u"Not delivered";
        report.sender = send.request.destination;
        report.destination = own;
        report.smsc = send.request.serviceCentre;
        report.time = data_.clock.now();
        report.reference = send.reference;
        data_.sms.append(std::move(report));
    }
}

bool VirtualPhone::receive(const PendingSend &send) {
    const SmsSendRequest &r = send.request;
    std::vector<SmsMessage> arrivals;
    SmsMessage base;
    base.box = SmsBox::Inbox;
    base.encoding = r.encoding;
    base.sender = ownNumber();
    base.destination = base.sender;
    base.smsc = r.serviceCentre;
    base.time = data_.clock.now();
    base.smsClass = r.smsClass;
    base.pid = r.pid;
    base.dcs = r.dcs;
    base.reference = send.reference;
    if (r.encoding == SmsEncoding::Binary) {
        if (const auto joined = smartmessage::joinParts(r.parts)) {
            if (auto logo = smartmessage::decodeLogo(joined->first, joined->second)) {
                lastReceived_ = std::move(*logo);
                for (auto &[id, events] : sessions_) {
                    events.logoArrived = true;
                }
                return true;
            }
        }
        for (const auto &part : r.parts) {
            SmsMessage m = base;
            m.userData = part;
            arrivals.push_back(std::move(m));
        }
    } else {
        SmsMessage m = base;
        m.text = r.text;
        arrivals.push_back(std::move(m));
    }
    if (data_.sms.freeSpace(SmsBox::Inbox) < arrivals.size()) {
        return false;
    }
    for (auto &m : arrivals) {
        data_.sms.append(std::move(m));
    }
    for (auto &[id, events] : sessions_) {
        events.receivedCount += static_cast<int32_t>(arrivals.size());
    }
    return true;
}

}  // namespace phoneeng
