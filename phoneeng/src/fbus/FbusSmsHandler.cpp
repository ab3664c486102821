#include "fbus/FbusSmsHandler.h"

#include <algorithm>
#include <chrono>

#include "fbus/FbusReader.h"
#include "fbus/SmsFrame.h"
#include "phone/SmsStore.h"

namespace phoneeng::fbus {

namespace {

constexpr SmsBox kBoxOrder[] = {SmsBox::Inbox, SmsBox::Reports, SmsBox::Outbox};
// Errors of a failed read or delete.
constexpr uint8_t kErrorLocation = 0x02;
constexpr uint8_t kErrorEmpty = 0x07;
// A failed send: "network failure" as the network would report it.
constexpr uint8_t kSendFailed = 0x8A;

// The box and the location in it of a location of the one memory; false
// when it lies past every stored message.
bool locate(const Phone &phone, int32_t location, SmsBox &box, int32_t &inBox) {
    for (SmsBox b : kBoxOrder) {
        const auto count = static_cast<int32_t>(phone.messages(b).size());
        if (location <= count) {
            box = b;
            inBox = location;
            return location >= 1;
        }
        location -= count;
    }
    return false;
}

// 1 read, 3 unread, 5 sent, 7 not sent.
uint8_t stateOf(const SmsMessage &m) {
    if (m.box == SmsBox::Outbox) {
        return m.sentRead ? 0x05 : 0x07;
    }
    return m.sentRead ? 0x01 : 0x03;
}

}  // namespace

FbusMessage incomingSmsNotice(const SmsMessage &message) {
    std::vector<uint8_t> data{0x00, 0x00, 0x00};
    const auto frame = encodeStoredFrame(message);
    data.insert(data.end(), frame.begin(), frame.end());
    return reply(0x02, 0x10, data);
}

void FbusSmsHandler::handle(const FbusMessage &request, FbusContext &context,
                            std::vector<FbusMessage> &replies) {
    Phone &phone = context.phone;
    const int subtype = subtypeOf(request);
    if (request.type == 0x02) {
        if (subtype == 0x01) {
            send(request, context, replies);
        } else if (subtype == 0x07) {  // reading goes out as 0x02, its answer comes as 0x14
            replies.push_back(readMessage(request, phone));
        } else if (subtype == 0x33) {
            replies.push_back(serviceCentre(request, phone));
        } else if (subtype == 0x20) {  // cell broadcasts on or off: the network sends none
            replies.push_back(reply(0x02, 0x21, {}));
        }
        return;
    }
    switch (subtype) {
        case 0x0A:
            replies.push_back(deleteMessage(request, phone));
            return;
        case 0x36:
            replies.push_back(status(phone));
            return;
        default:
            return;
    }
}

void FbusSmsHandler::send(const FbusMessage &request, FbusContext &context,
                          std::vector<FbusMessage> &replies) {
    // 00 01 00 01 02 00, then the submit frame
    Phone &phone = context.phone;
    auto frame = request.body.size() > 6
                     ? decodeSubmitFrame(std::span<const uint8_t>(request.body).subspan(6))
                     : std::nullopt;
    if (!frame) {
        replies.push_back(reply(0x02, 0x03, {0x00, 0x00, kSendFailed}));
        return;
    }
    if (frame->request.serviceCentre.empty()) {
        phone.storedServiceCentre(1, frame->request.serviceCentre);
    }
    SteadyTime due;
    LinkEvents *events = phone.events(context.session);
    const size_t acksBefore = events ? events->acks.size() : 0;
    const int16_t result =
        phone.send(frame->request, context.session, std::chrono::milliseconds(0), due);
    if (result != PE_OK) {
        replies.push_back(reply(0x02, 0x03, {0x00, 0x00, kSendFailed}));
        return;
    }
    // The network takes the message at once; its reference comes back with
    // the acknowledgement.
    phone.pump();
    events = phone.events(context.session);
    if (!events || events->acks.size() <= acksBefore) {
        replies.push_back(reply(0x02, 0x03, {0x00, 0x00, kSendFailed}));
        return;
    }
    const SendAck ack = events->acks.back();
    events->acks.pop_back();
    replies.push_back(reply(0x02, 0x02, {0x00, static_cast<uint8_t>(ack.reference)}));
}

FbusMessage FbusSmsHandler::serviceCentre(const FbusMessage &request, Phone &phone) {
    // 00 01 00 33 64, centre number from 1
    FbusReader in(request.body, 5);
    const uint8_t set = in.u8();
    std::string number;
    if (!in.ok() || phone.storedServiceCentre(set, number) != PE_OK) {
        return reply(0x02, 0x35, {});
    }
    // [4] set, [6] format (text), [8] validity (maximum), [9] default
    // number, [21] centre number, [33] name (NUL-terminated).
    std::vector<uint8_t> data(29, 0);
    data[0] = set;
    data[4] = 0xFF;
    const auto field = encodeNumber(number, true);
    std::copy(field.begin(), field.end(), data.begin() + 17);
    const std::string name = "Set " + std::to_string(set);
    data.insert(data.end(), name.begin(), name.end());
    data.push_back(0x00);
    return reply(0x02, 0x34, data);
}

FbusMessage FbusSmsHandler::status(Phone &phone) {
    int32_t used = 0;
    int32_t unread = 0;
    for (SmsBox box : kBoxOrder) {
        for (const SmsMessage &m : phone.messages(box)) {
            ++used;
            if (box != SmsBox::Outbox && !m.sentRead) {
                ++unread;
            }
        }
    }
    const auto size = static_cast<uint8_t>(std::min<size_t>(3 * SmsStore::kCapacity, 255));
    // [7] size, [10] used, [11] unread
    return reply(0x14, 0x37,
                 {0x00, 0x00, 0x00, size, 0x00, 0x00, static_cast<uint8_t>(std::min(used, 255)),
                  static_cast<uint8_t>(std::min(unread, 255))});
}

FbusMessage FbusSmsHandler::readMessage(const FbusMessage &request, Phone &phone) {
    // 00 01 00 07 02, location, 01 64
    FbusReader in(request.body, 5);
    const int32_t location = in.u8();
    SmsBox box = SmsBox::Inbox;
    int32_t inBox = 0;
    if (!in.ok() || location < 1) {
        return reply(0x14, 0x09, {kErrorLocation});
    }
    if (!locate(phone, location, box, inBox)) {
        return reply(0x14, 0x09, {kErrorEmpty});
    }
    const SmsMessage message = phone.messages(box)[static_cast<size_t>(inBox - 1)];
    // [4] state, [5] location, [7] 0 deliver / 1 report / 2 submit, frame from [8].
    std::vector<uint8_t> data{stateOf(message), static_cast<uint8_t>(location), 0x00,
                              static_cast<uint8_t>(box == SmsBox::Outbox    ? 0x02
                                                   : box == SmsBox::Reports ? 0x01
                                                                            : 0x00)};
    const auto frame = encodeStoredFrame(message);
    data.insert(data.end(), frame.begin(), frame.end());
    if (box != SmsBox::Outbox) {
        phone.markRead(box, inBox);
    }
    return reply(0x14, 0x08, data);
}

FbusMessage FbusSmsHandler::deleteMessage(const FbusMessage &request, Phone &phone) {
    // 00 01 00 0A 02, location
    FbusReader in(request.body, 5);
    const int32_t location = in.u8();
    SmsBox box = SmsBox::Inbox;
    int32_t inBox = 0;
    if (!in.ok() || !locate(phone, location, box, inBox)) {
        return reply(0x14, 0x0C, {kErrorLocation});
    }
    return phone.deleteMessage(box, inBox) == PE_OK ? reply(0x14, 0x0B, {})
                                                    : reply(0x14, 0x0C, {kErrorLocation});
}

}  // namespace phoneeng::fbus
