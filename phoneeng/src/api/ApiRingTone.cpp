// The ring tone group of the call set, over the engine's one ring tone.
#include <exception>
#include <string>

#include "Engine.h"
#include "phoneeng.h"
#include "ringtone/NoteText.h"
#include "ringtone/RingToneFiles.h"
#include "util/CText.h"
#include "util/Locked.h"

using namespace phoneeng;

namespace {

RingTone &tone() {
    return engine().ringTone;
}

bool isEntryIndex(int16_t i) {
    return i >= 0 && static_cast<size_t>(i) < tone().entries.size();
}

}  // namespace

extern "C" {

int16_t ringtone_readfile(const char *path) {
    return locked(int16_t{PE_FILE_OPEN}, [&]() -> int16_t {
        RingTone read;
        const int16_t rc = readRingToneFile(textIn(path), read);
        if (rc == PE_OK) {
            tone() = std::move(read);
        }
        return rc;
    });
}

int16_t ringtone_writefile(const char *path) {
    return locked(int16_t{PE_FILE_WRITE}, [&] { return writeRingToneFile(textIn(path), tone()); });
}

int16_t ringtone_setdefstyle(int32_t style) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&]() -> int16_t {
        if (!isRingToneStyle(style)) {
            return PE_BAD_ARGUMENT;
        }
        const auto s = static_cast<RingToneStyle>(style);
        tone().initialStyle = s;
        // Style changes stay in their places but now all say the same.
        for (RingToneEntry &entry : tone().entries) {
            if (isStyleChange(entry)) {
                entry.text = styleText(s);
            }
        }
        reapplyStyles(tone());
        return PE_OK;
    });
}

int32_t ringtone_getstyle(int16_t note) {
    return locked(int32_t{PE_STYLE_NATURAL}, [&] {
        return static_cast<int32_t>(isEntryIndex(note) ? tone().entries[note].style
                                                       : tone().initialStyle);
    });
}

int16_t ringtone_setnote(int16_t i, const char *note) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&]() -> int16_t {
        const auto text = canonicalEntryText(textIn(note));
        if (!isEntryIndex(i) || !text) {
            return PE_BAD_ARGUMENT;
        }
        tone().entries[i].text = *text;
        reapplyStyles(tone());
        return PE_OK;
    });
}

int16_t ringtone_getnote(int16_t i, char *buf, int32_t len) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&]() -> int16_t {
        if (!isEntryIndex(i)) {
            return PE_BAD_ARGUMENT;
        }
        return textOut(buf, len, tone().entries[i].text);
    });
}

int16_t ringtone_setnotes(int16_t n) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&]() -> int16_t {
        if (n < 0 || static_cast<size_t>(n) > RingTone::kMaxEntries) {
            return PE_BAD_ARGUMENT;
        }
        tone().entries.resize(static_cast<size_t>(n), RingToneEntry{"4P", RingToneStyle::Natural});
        reapplyStyles(tone());
        return PE_OK;
    });
}

int16_t ringtone_getnotes(void) {
    return locked(int16_t{0}, [] { return static_cast<int16_t>(tone().entries.size()); });
}

int16_t ringtone_settempo(int16_t bpm) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&]() -> int16_t {
        if (!isRingToneTempo(bpm)) {
            return PE_BAD_ARGUMENT;
        }
        tone().tempo = bpm;
        return PE_OK;
    });
}

int16_t ringtone_gettempo(void) {
    return locked(int16_t{RingTone::kDefaultTempo},
                  [] { return static_cast<int16_t>(tone().tempo); });
}

int16_t ringtone_setname(const char *name) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&]() -> int16_t {
        auto kept = ringToneName(textIn(name));
        if (!kept) {
            return PE_BAD_ARGUMENT;
        }
        tone().name = std::move(*kept);
        return PE_OK;
    });
}

int16_t ringtone_getname(char *buf, int32_t len) {
    return locked(int16_t{PE_BAD_ARGUMENT}, [&] { return textOut(buf, len, tone().name); });
}

}  // extern "C"
