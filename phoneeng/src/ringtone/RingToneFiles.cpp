#include "ringtone/RingToneFiles.h"

#include <cctype>
#include <string_view>

#include "phoneeng.h"
#include "ringtone/RingToneBinary.h"
#include "ringtone/Rtttl.h"
#include "util/AtomicFile.h"

namespace phoneeng {

namespace {

bool endsWithOtt(std::string_view path) {
    if (path.size() < 4) {
        return false;
    }
    std::string ext(path.substr(path.size() - 4));
    for (char &c : ext) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return ext == ".ott";
}

}  // namespace

int16_t decodeRingToneFile(std::span<const uint8_t> bytes, RingTone &out) {
    if (!bytes.empty() && bytes[0] >= 1 && bytes[0] <= 3) {
        return decodeRingToneBinary(bytes, out);
    }
    return decodeRtttl(std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()),
                       out);
}

int16_t readRingToneFile(const std::string &path, RingTone &tone) {
    std::vector<uint8_t> bytes;
    const int16_t rc = readWholeFile(path, kMaxRingToneFileBytes, bytes);
    if (rc != PE_OK) {
        return rc;
    }
    return decodeRingToneFile(bytes, tone);
}

int16_t writeRingToneFile(const std::string &path, const RingTone &tone) {
    if (endsWithOtt(path)) {
        const std::vector<uint8_t> bytes = encodeRingToneBinary(tone);
        if (bytes.empty()) {
            return PE_NOT_SUPPORTED;
        }
        return writeFileAtomically(path, bytes);
    }
    const std::string text = encodeRtttl(tone) + '\n';
    return writeFileAtomically(
        path, std::span(reinterpret_cast<const uint8_t *>(text.data()), text.size()));
}

}  // namespace phoneeng
