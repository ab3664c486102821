// The logo group of the call set, over the engine's one logo. Pixel values
// at this boundary: 1 clear, any other value set (0 is what getters give).
#include <cstring>
#include <exception>
#include <string>

#include "Engine.h"
#include "logo/LogoCodec.h"
#include "logo/LogoFiles.h"
#include "logo/NetCode.h"
#include "phoneeng.h"
#include "util/CText.h"
#include "util/Locked.h"

using namespace phoneeng;

namespace {

Logo &logo() {
    return engine().logo;
}

}  // namespace

extern "C" {

int16_t logo_readfile(const char *path) {
    return locked(int16_t{PE_FILE_OPEN}, [&]() -> int16_t {
        Logo updated = logo();
        const int16_t rc = readLogoFile(textIn(path), updated);
        if (rc == PE_OK) {
            logo() = std::move(updated);
        }
        return rc;
    });
}

int16_t logo_writefile(const char *path) {
    return locked(int16_t{PE_FILE_WRITE}, [&] { return writeLogoFile(textIn(path), logo()); });
}

int16_t logo_writebmp(const char *path) {
    return locked(int16_t{PE_FILE_WRITE},
                  [&] { return writeLogoFile(textIn(path), logo(), LogoFormat::Bmp); });
}

int16_t logo_setdata(int32_t type, const char *netcode) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&]() -> int16_t {
        const auto code = parseNetCode(textIn(netcode));
        if (!isLogoType(type) || !code) {
            return PE_BAD_ARGUMENT;
        }
        logo().setType(static_cast<LogoType>(type));
        logo().netCode = formatNetCode(*code);
        return PE_OK;
    });
}

int16_t logo_getdata(int32_t *type, int32_t *width, int32_t *height, char *netcode, int32_t len) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&]() -> int16_t {
        if (len < 0 || (len > 0 && !netcode)) {
            return PE_BAD_ARGUMENT;
        }
        valueOut(type, static_cast<int32_t>(logo().type()));
        valueOut(width, logo().width());
        valueOut(height, logo().height());
        return len == 0 ? int16_t{PE_OK} : textOut(netcode, len, logo().netCode);
    });
}

int16_t logo_setgroupnumber(int32_t n) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&]() -> int16_t {
        if (n < 0) {
            return PE_BAD_ARGUMENT;
        }
        logo().groupNumber = n;
        return PE_OK;
    });
}

int32_t logo_getgroupnumber(void) {
    return locked(int32_t{0}, [] { return logo().groupNumber; });
}

int16_t logo_setgroupname(const char *name) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&]() -> int16_t {
        std::string text = textIn(name);
        if (text.size() > Logo::kMaxGroupName) {
            return PE_BAD_ARGUMENT;
        }
        logo().groupName = std::move(text);
        return PE_OK;
    });
}

int16_t logo_getgroupname(char *buf, int32_t len) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&] { return textOut(buf, len, logo().groupName); });
}

int16_t logo_setpixel(int32_t x, int32_t y, int16_t value) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&]() -> int16_t {
        if (!logo().bitmap().contains(x, y)) {
            return PE_BAD_ARGUMENT;
        }
        logo().setPixel(x, y, value != 1);
        return PE_OK;
    });
}

int16_t logo_getpixel(int32_t x, int32_t y) {
    return locked(int16_t{1}, [&] { return static_cast<int16_t>(logo().pixel(x, y) ? 0 : 1); });
}

int16_t logo_setmessage(const void *data, int32_t bytes, int32_t unicode) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&]() -> int16_t {
        if (bytes < 0 || (bytes > 0 && !data) || (unicode != 0 && unicode != 1) ||
            (unicode == 1 && bytes % 2 != 0)) {
            return PE_BAD_ARGUMENT;
        }
        std::u16string text;
        const auto *raw = static_cast<const unsigned char *>(data);
        if (unicode == 1) {
            text.resize(static_cast<size_t>(bytes) / 2);
            if (bytes > 0) {
                std::memcpy(text.data(), raw, static_cast<size_t>(bytes));
            }
        } else {
            text.assign(raw, raw + bytes);
        }
        // The text ends at its first NUL, as every text of the call set does.
        text.resize(std::min(text.size(), text.find(u'\0')));
        if (text.size() > Logo::kMaxMessage) {
            return PE_BAD_ARGUMENT;
        }
        logo().message = std::move(text);
        logo().messageUnicode = unicode == 1;
        return PE_OK;
    });
}

int16_t logo_getmessagedata(int32_t *length, int32_t *unicode) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&]() -> int16_t {
        valueOut(length, static_cast<int32_t>(logo().message.size()));
        valueOut(unicode, logo().messageUnicode ? 1 : 0);
        return PE_OK;
    });
}

int16_t logo_getmessagetext(void *buf, int32_t len) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&]() -> int16_t {
        if (!buf || len <= 0) {
            return PE_BAD_ARGUMENT;
        }
        const std::u16string &text = logo().message;
        const size_t n = std::min(text.size(), static_cast<size_t>(len) - 1);
        if (logo().messageUnicode) {
            auto *out = static_cast<char16_t *>(buf);
            std::memcpy(out, text.data(), n * sizeof(char16_t));
            out[n] = u'\0';
        } else {
            auto *out = static_cast<char *>(buf);
            for (size_t i = 0; i < n; ++i) {
                out[i] = text[i] <= 0xFF ? static_cast<char>(text[i]) : '?';
            }
            out[n] = '\0';
        }
        return PE_OK;
    });
}

}  // extern "C"
