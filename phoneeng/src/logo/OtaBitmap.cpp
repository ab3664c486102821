#include "logo/OtaBitmap.h"

namespace phoneeng {

// Placeholder until the logo codecs land.
std::vector<uint8_t> encodeOtaBitmap(const Bitmap &) { return {}; }
size_t decodeOtaBitmap(std::span<const uint8_t>, Bitmap &) { return 0; }

}  // namespace phoneeng
