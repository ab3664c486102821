#include "logo/LogoCodec.h"

#include <cctype>
#include <string>

#include "logo/BmpCodec.h"
#include "logo/ByteIo.h"
#include "logo/NlmCodec.h"
#include "logo/NolCodec.h"
#include "logo/NslCodec.h"
#include "logo/OtaBitmap.h"
#include "phoneeng.h"

namespace phoneeng {

int16_t decodeLogo(std::span<const uint8_t> in, DecodedLogo &out) {
    if (in.empty()) {
        return PE_FILE_FORMAT;
    }
    if (bytes::startsWith(in, "NOL")) {
        return decodeNol(in, out);
    }
    if (bytes::startsWith(in, "NGG")) {
        return decodeNgg(in, out);
    }
    if (bytes::startsWith(in, "NLM")) {
        return decodeNlm(in, out);
    }
    if (bytes::startsWith(in, "FORM")) {
        return decodeNsl(in, out);
    }
    if (bytes::startsWith(in, "BM")) {
        return decodeBmp(in, out);
    }
    return decodeOtbFile(in, out);
}

LogoType typeForSize(int w, int h, LogoType current) {
    if (w == 72 && h == 14) {
        return current == LogoType::Caller ? LogoType::Caller : LogoType::Operator;
    }
    for (LogoType t : {LogoType::Picture, LogoType::Startup}) {
        const LogoSize size = logoSizeOf(t);
        if (size.width == w && size.height == h) {
            return t;
        }
    }
    if (current != LogoType::None) {
        return current;
    }
    for (LogoType t : {LogoType::Operator, LogoType::Picture}) {
        const LogoSize size = logoSizeOf(t);
        if (w <= size.width && h <= size.height) {
            return t;
        }
    }
    return LogoType::Startup;
}

void applyDecodedLogo(const DecodedLogo &decoded, Logo &logo) {
    const LogoType type =
        decoded.type != LogoType::None
            ? decoded.type
            : typeForSize(decoded.bitmap.width, decoded.bitmap.height, logo.type());
    const LogoSize size = logoSizeOf(type);
    logo.setType(type);
    logo.setBitmap(cropOrPad(decoded.bitmap, size.width, size.height));
    if (decoded.netCode) {
        logo.netCode = *decoded.netCode;
    }
}

std::vector<uint8_t> encodeLogo(const Logo &logo, LogoFormat format) {
    if (logo.type() == LogoType::None) {
        return {};
    }
    switch (format) {
        case LogoFormat::Nol:
            return encodeNol(logo);
        case LogoFormat::Ngg:
            return encodeNgg(logo);
        case LogoFormat::Nsl:
            return encodeNsl(logo);
        case LogoFormat::Nlm:
            return encodeNlm(logo);
        case LogoFormat::Bmp:
            return encodeBmp(logo.bitmap());
        case LogoFormat::Otb:
            return encodeOtaBitmap(logo.bitmap());
    }
    return {};
}

std::optional<LogoFormat> formatForExtension(std::string_view path) {
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        return std::nullopt;
    }
    std::string ext(path.substr(dot + 1));
    for (char &c : ext) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    static const struct {
        const char *ext;
        LogoFormat format;
    } kExtensions[] = {{"nol", LogoFormat::Nol}, {"ngg", LogoFormat::Ngg},
                       {"nsl", LogoFormat::Nsl}, {"nlm", LogoFormat::Nlm},
                       {"bmp", LogoFormat::Bmp}, {"otb", LogoFormat::Otb}};
    for (const auto &e : kExtensions) {
        if (ext == e.ext) {
            return e.format;
        }
    }
    return std::nullopt;
}

LogoFormat ownFormatOf(LogoType type) {
    switch (type) {
        case LogoType::Caller:
            return LogoFormat::Ngg;
        case LogoType::Startup:
            return LogoFormat::Nsl;
        case LogoType::Picture:
            return LogoFormat::Nlm;
        case LogoType::Operator:
        case LogoType::None:
            break;
    }
    return LogoFormat::Nol;
}

}  // namespace phoneeng
