// The FBUS frame layer and the phone's answers: bytes from the line, read in
// pieces whose sizes the input's first byte picks, give frames that encode
// back to the bytes they came from, and whole messages that the virtual
// phone answers with well-formed messages.
#include <mutex>

#include "Engine.h"
#include "FuzzCheck.h"
#include "fbus/FbusChannel.h"
#include "fbus/FbusDispatcher.h"
#include "fbus/FbusFrame.h"
#include "phone/VirtualPhone.h"

using namespace phoneeng;
using namespace phoneeng::fbus;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const size_t piece = 1 + data[0] % 64;
    const std::span<const uint8_t> line(data + 1, size - 1);

    for (size_t at = 0; at < line.size();) {
        const auto result = decodeFrame(line.subspan(at));
        if (result.status == FrameStatus::NeedMore) {
            break;
        }
        FUZZ_CHECK(result.consumed >= 1 && result.consumed <= line.size() - at);
        if (result.status == FrameStatus::Ok) {
            // Written again, the frame is the same bytes, but for the pad
            // byte of odd data, which is written as 0 and read as it comes.
            const auto again = encodeFrame(result.frame);
            FUZZ_CHECK(again.size() == result.consumed);
            const size_t pad = result.frame.data.size() % 2 != 0
                                   ? kHeaderSize + result.frame.data.size()
                                   : again.size();
            for (size_t i = 0; i < again.size() - 2; ++i) {
                FUZZ_CHECK(i == pad || again[i] == line[at + i]);
            }
        }
        at += result.consumed;
    }

    std::lock_guard lock(engineLock());
    VirtualPhone phone(nullptr);
    FbusContext context{phone, phone.openSession()};
    FbusDispatcher dispatcher;
    FbusChannel channel(-1);
    for (size_t at = 0; at < line.size(); at += piece) {
        const size_t n = std::min(piece, line.size() - at);
        for (const FbusMessage &request : channel.feed(line.data() + at, n)) {
            for (const FbusMessage &answer : dispatcher.dispatch(request, context)) {
                FUZZ_CHECK(answer.body.size() >= 3);
                uint8_t sequence = 0;
                for (const FbusFrame &frame : splitMessage(answer, sequence)) {
                    FUZZ_CHECK(frame.data.size() <= kMaxFrameData);
                    FUZZ_CHECK(decodeFrame(encodeFrame(frame)).frame == frame);
                }
            }
        }
    }
    return 0;
}
