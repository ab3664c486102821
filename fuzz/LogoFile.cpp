// Logo files recognised by content (NOL, NGG, NSL, NLM, BMP, OTA bitmap): a
// file that reads is sane, and the logo it gives, written in its own format
// and in the file's format, reads back to the same pixels.
#include "FuzzCheck.h"
#include "logo/LogoCodec.h"
#include "phoneeng.h"

using namespace phoneeng;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    DecodedLogo decoded;
    if (decodeLogo({data, size}, decoded) != PE_OK) {
        return 0;
    }
    const Bitmap &b = decoded.bitmap;
    FUZZ_CHECK(b.width >= 1 && b.height >= 1);
    FUZZ_CHECK(b.width <= kMaxLogoFileSide && b.height <= kMaxLogoFileSide);
    FUZZ_CHECK(b.pixels.size() == static_cast<size_t>(b.width) * b.height);

    Logo logo;
    applyDecodedLogo(decoded, logo);
    FUZZ_CHECK(logo.type() != LogoType::None);
    for (LogoFormat format : {ownFormatOf(logo.type()), decoded.format}) {
        const std::vector<uint8_t> bytes = encodeLogo(logo, format);
        DecodedLogo again;
        FUZZ_CHECK(decodeLogo(bytes, again) == PE_OK);
        FUZZ_CHECK(again.format == format);
        FUZZ_CHECK(cropOrPad(again.bitmap, logo.width(), logo.height()) == logo.bitmap());
    }
    return 0;
}
