#include "phone/PhoneStateCodec.h"

#include <charconv>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

#include "phone/TextCodec.h"
#include "phoneeng.h"

namespace phoneeng {

namespace {

using Fields = std::vector<std::string>;

std::string escape(std::string_view text) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b > 0x7E || c == '%') {
            out += '%';
            out += kDigits[b >> 4];
            out += kDigits[b & 0x0F];
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescape(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const auto byte = i + 2 < text.size() ? bytesOfHex(text.substr(i + 1, 2)) : std::nullopt;
        if (!byte) {
            return std::nullopt;
        }
        out += static_cast<char>((*byte)[0]);
        i += 2;
    }
    return out;
}

std::string bitmapHex(const Bitmap &bitmap) {
    std::vector<uint8_t> bytes((bitmap.pixels.size() + 7) / 8, 0);
    for (size_t i = 0; i < bitmap.pixels.size(); ++i) {
        if (bitmap.pixels[i]) {
            bytes[i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
        }
    }
    return hexOfBytes(bytes);
}

std::optional<Bitmap> bitmapOfHex(std::string_view hex, LogoType type) {
    const LogoSize size = logoSizeOf(type);
    Bitmap bitmap(size.width, size.height);
    const auto bytes = bytesOfHex(hex);
    if (!bytes || bytes->size() != (bitmap.pixels.size() + 7) / 8) {
        return std::nullopt;
    }
    for (size_t i = 0; i < bitmap.pixels.size(); ++i) {
        bitmap.pixels[i] = ((*bytes)[i / 8] >> (7 - i % 8)) & 1;
    }
    return bitmap;
}

std::string timeText(const PhoneDateTime &t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return buf;
}

std::string num(int64_t v) {
    return std::to_string(v);
}

Fields entryRecord(MemoryType memory, size_t index, const PhonebookEntry &e) {
    return {"entry",
            num(static_cast<int32_t>(memory)),
            num(static_cast<int64_t>(index) + 1),
            num(e.group),
            escape(e.name),
            escape(e.number)};
}

// ---- Reading -------------------------------------------------------------

struct Reader {
    const Fields &f;
    std::string &error;

    bool fail(const std::string &what) {
        error = what;
        return false;
    }
    bool integer(size_t i, int64_t lo, int64_t hi, int64_t &out) {
        const std::string &s = f[i];
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
        if (ec != std::errc() || end != s.data() + s.size() || out < lo || out > hi) {
            return fail("field " + std::to_string(i) + " is not a number in " + num(lo) + ".." +
                        num(hi));
        }
        return true;
    }
    bool i32(size_t i, int64_t lo, int64_t hi, int32_t &out) {
        int64_t v = 0;
        if (!integer(i, lo, hi, v)) {
            return false;
        }
        out = static_cast<int32_t>(v);
        return true;
    }
    bool text(size_t i, std::string &out) {
        auto t = unescape(f[i]);
        if (!t) {
            return fail("field " + std::to_string(i) + " has a broken escape");
        }
        out = std::move(*t);
        return true;
    }
    bool time(size_t i, PhoneDateTime &t) {
        const std::string &s = f[i];
        if (s.size() != 14 || s.find_first_not_of("0123456789") != std::string::npos) {
            return fail("bad date");
        }
        const auto part = [&](size_t at, size_t n) { return std::stoi(s.substr(at, n)); };
        t = {part(0, 4), part(4, 2), part(6, 2), part(8, 2), part(10, 2), part(12, 2)};
        return PhoneClock::isValid(t) || fail("bad date");
    }
    bool bitmap(size_t i, LogoType type, Bitmap &out) {
        auto b = bitmapOfHex(f[i], type);
        if (!b) {
            return fail("bad bitmap");
        }
        out = std::move(*b);
        return true;
    }
};

using RecordReader = std::function<bool(Reader &, VirtualPhoneData &)>;

const std::map<std::string, std::pair<size_t, RecordReader>> &recordReaders() {
    static const std::map<std::string, std::pair<size_t, RecordReader>> readers = {
        {"clock",
         {2,
          [](Reader &r, VirtualPhoneData &d) {
              int64_t offset = 0;
              return r.integer(1, -PhoneClock::kMaxOffset, PhoneClock::kMaxOffset, offset) &&
                     d.clock.setOffset(offset);
          }}},
        {"alarm",
         {4,
          [](Reader &r, VirtualPhoneData &d) {
              int32_t on = 0, h = 0, mi = 0;
              return r.i32(1, 0, 1, on) && r.i32(2, 0, 23, h) && r.i32(3, 0, 59, mi) &&
                     d.clock.restoreAlarm(on == 1, h, mi);
          }}},
        {"startup-text",
         {2,
          [](Reader &r, VirtualPhoneData &d) {
              std::string t;
              return r.text(1, t) &&
                     (d.logos.setStartupText(t) == PE_OK || r.fail("bad startup text"));
          }}},
        {"netmonitor",
         {2,
          [](Reader &r, VirtualPhoneData &d) {
              int32_t m = 0;
              return r.i32(1, 0, 2, m) && d.netMonitor.restoreMode(m);
          }}},
        {"reference",
         {2, [](Reader &r, VirtualPhoneData &d) { return r.i32(1, 0, 255, d.nextReference); }}},
        {"entry",
         {6,
          [](Reader &r, VirtualPhoneData &d) {
              int32_t mem = 0, loc = 0;
              PhonebookEntry e;
              return r.i32(1, 0, 7, mem) && r.i32(2, 1, 1000, loc) && r.i32(3, 0, 99, e.group) &&
                     r.text(4, e.name) && r.text(5, e.number) &&
                     (d.phonebook.restore(mem, loc, e) == PE_OK || r.fail("bad entry"));
          }}},
        {"speed-dial",
         {4,
          [](Reader &r, VirtualPhoneData &d) {
              int32_t key = 0, mem = 0, loc = 0;
              return r.i32(1, 2, 9, key) && r.i32(2, 0, 1, mem) && r.i32(3, 1, 1000, loc) &&
                     (d.phonebook.writeSpeedDial(key, mem, loc) == PE_OK ||
                      r.fail("bad speed dial"));
          }}},
        {"sms",
         {13,
          [](Reader &r, VirtualPhoneData &d) {
              SmsMessage m;
              int32_t box = 0, enc = 0, flag = 0, pid = 0, dcs = 0;
              if (!(r.i32(1, 11, 13, box) && r.i32(2, 0, 2, enc) && r.i32(3, 0, 1, flag) &&
                    r.i32(4, 0, 3, m.smsClass) && r.i32(5, 0, 255, pid) && r.i32(6, 0, 255, dcs) &&
                    r.i32(7, 0, 255, m.reference) && r.time(8, m.time) && r.text(9, m.sender) &&
                    r.text(10, m.destination) && r.text(11, m.smsc))) {
                  return false;
              }
              m.box = static_cast<SmsBox>(box);
              m.encoding = static_cast<SmsEncoding>(enc);
              m.sentRead = flag == 1;
              m.pid = static_cast<uint8_t>(pid);
              m.dcs = static_cast<uint8_t>(dcs);
              if (m.encoding == SmsEncoding::Binary) {
                  auto bytes = bytesOfHex(r.f[12]);
                  if (!bytes || bytes->size() > 140) {
                      return r.fail("bad user data");
                  }
                  m.userData = std::move(*bytes);
              } else {
                  auto units = unitsOfHex(r.f[12]);
                  if (!units || units->size() > 40000) {
                      return r.fail("bad text");
                  }
                  m.text = std::move(*units);
              }
              return d.sms.append(std::move(m)) || r.fail("box full");
          }}},
        {"operator-logo",
         {3,
          [](Reader &r, VirtualPhoneData &d) {
              std::string code;
              Bitmap b;
              return r.text(1, code) && r.bitmap(2, LogoType::Operator, b) &&
                     (d.logos.restoreOperator(code, b) || r.fail("bad operator logo"));
          }}},
        {"caller-group",
         {4,
          [](Reader &r, VirtualPhoneData &d) {
              int32_t n = 0;
              std::string name;
              std::optional<Bitmap> bitmap;
              if (!(r.i32(1, 0, LogoMemory::kCallerGroups - 1, n) && r.text(2, name))) {
                  return false;
              }
              if (!r.f[3].empty()) {
                  Bitmap b;
                  if (!r.bitmap(3, LogoType::Caller, b)) {
                      return false;
                  }
                  bitmap = std::move(b);
              }
              return d.logos.restoreGroup(n, name, bitmap) || r.fail("bad caller group");
          }}},
        {"picture",
         {5,
          [](Reader &r, VirtualPhoneData &d) {
              int32_t n = 0, unicode = 0;
              LogoMemory::Picture p;
              auto text = unitsOfHex(r.f[3]);
              if (!(r.i32(1, 0, LogoMemory::kPictureLocations - 1, n) && r.i32(2, 0, 1, unicode) &&
                    r.bitmap(4, LogoType::Picture, p.bitmap))) {
                  return false;
              }
              if (!text) {
                  return r.fail("bad text");
              }
              p.text = std::move(*text);
              p.unicode = unicode == 1;
              return d.logos.restorePicture(n, p) || r.fail("bad picture message");
          }}},
        {"startup-logo",
         {2,
          [](Reader &r, VirtualPhoneData &d) {
              Bitmap b;
              return r.bitmap(1, LogoType::Startup, b) && d.logos.restoreStartup(b);
          }}},
    };
    return readers;
}

// ringtone <loc> <name> <tempo> <loop> <initial style> <style><text>...
bool readRingTone(Reader &r, VirtualPhoneData &d) {
    if (r.f.size() < 6) {
        return r.fail("too few fields");
    }
    int32_t loc = 0, initial = 0;
    RingTone tone;
    if (!(r.i32(1, 1, RingToneMemory::kLocations, loc) && r.text(2, tone.name) &&
          r.i32(3, RingTone::kMinTempo, RingTone::kMaxTempo, tone.tempo) &&
          r.i32(4, 0, RingTone::kMaxLoop, tone.loop) && r.i32(5, 0, 2, initial))) {
        return false;
    }
    tone.initialStyle = static_cast<RingToneStyle>(initial);
    for (size_t i = 6; i < r.f.size(); ++i) {
        RingToneEntry entry;
        if (r.f[i].empty() || r.f[i][0] < '0' || r.f[i][0] > '2') {
            return r.fail("bad note");
        }
        entry.style = static_cast<RingToneStyle>(r.f[i][0] - '0');
        auto text = unescape(std::string_view(r.f[i]).substr(1));
        if (!text || text->empty() || text->size() > 32) {
            return r.fail("bad note");
        }
        entry.text = std::move(*text);
        tone.entries.push_back(std::move(entry));
    }
    return d.ringTones.restore(loc, tone) || r.fail("bad ring tone");
}

Fields split(std::string_view line) {
    Fields fields;
    size_t start = 0;
    while (true) {
        const size_t tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

}  // namespace

std::string PhoneStateCodec::write(const VirtualPhoneData &d) {
    std::vector<Fields> records;
    records.push_back({"clock", num(d.clock.offset())});
    records.push_back({"alarm", num(d.clock.alarmOn() ? 1 : 0), num(d.clock.alarmHour()),
                       num(d.clock.alarmMinute())});
    records.push_back({"startup-text", escape(d.logos.startupText())});
    records.push_back({"netmonitor", num(static_cast<int32_t>(d.netMonitor.mode()))});
    records.push_back({"reference", num(d.nextReference)});
    for (int32_t m = 0; m <= static_cast<int32_t>(MemoryType::Missed); ++m) {
        const auto &locations = d.phonebook.locations(static_cast<MemoryType>(m));
        for (size_t i = 0; i < locations.size(); ++i) {
            if (!locations[i].empty()) {
                records.push_back(entryRecord(static_cast<MemoryType>(m), i, locations[i]));
            }
        }
    }
    const auto &dials = d.phonebook.speedDials();
    for (size_t k = 0; k < dials.size(); ++k) {
        if (dials[k]) {
            records.push_back({"speed-dial", num(static_cast<int64_t>(k) + 2),
                               num(dials[k]->memory), num(dials[k]->location)});
        }
    }
    for (SmsBox box : {SmsBox::Inbox, SmsBox::Outbox, SmsBox::Reports}) {
        for (const auto &m : d.sms.box(box)) {
            records.push_back(
                {"sms", num(static_cast<int32_t>(m.box)), num(static_cast<int32_t>(m.encoding)),
                 num(m.sentRead ? 1 : 0), num(m.smsClass), num(m.pid), num(m.dcs), num(m.reference),
                 timeText(m.time), escape(m.sender), escape(m.destination), escape(m.smsc),
                 m.encoding == SmsEncoding::Binary ? hexOfBytes(m.userData) : hexOfUnits(m.text)});
        }
    }
    if (const auto &op = d.logos.operatorLogo()) {
        records.push_back({"operator-logo", escape(op->netCode), bitmapHex(op->bitmap)});
    }
    const auto &groups = d.logos.callerGroups();
    for (size_t g = 0; g < groups.size(); ++g) {
        records.push_back({"caller-group", num(static_cast<int64_t>(g)), escape(groups[g].name),
                           groups[g].bitmap ? bitmapHex(*groups[g].bitmap) : ""});
    }
    const auto &pictures = d.logos.pictures();
    for (size_t p = 0; p < pictures.size(); ++p) {
        if (pictures[p]) {
            records.push_back({"picture", num(static_cast<int64_t>(p)),
                               num(pictures[p]->unicode ? 1 : 0), hexOfUnits(pictures[p]->text),
                               bitmapHex(pictures[p]->bitmap)});
        }
    }
    if (const auto &startup = d.logos.startupLogo()) {
        records.push_back({"startup-logo", bitmapHex(*startup)});
    }
    const auto &tones = d.ringTones.locations();
    for (size_t t = 0; t < tones.size(); ++t) {
        if (tones[t]) {
            Fields f = {"ringtone",
                        num(static_cast<int64_t>(t) + 1),
                        escape(tones[t]->name),
                        num(tones[t]->tempo),
                        num(tones[t]->loop),
                        num(static_cast<int32_t>(tones[t]->initialStyle))};
            for (const auto &e : tones[t]->entries) {
                f.push_back(num(static_cast<int32_t>(e.style)) + escape(e.text));
            }
            records.push_back(std::move(f));
        }
    }

    std::string out = std::string(kMagic) + "\t" + num(kVersion) + "\n";
    for (const auto &fields : records) {
        for (size_t i = 0; i < fields.size(); ++i) {
            out += (i ? "\t" : "") + fields[i];
        }
        out += '\n';
    }
    out += "end\t" + num(static_cast<int64_t>(records.size())) + "\n";
    return out;
}

bool PhoneStateCodec::read(std::string_view text, VirtualPhoneData &data, std::string &error) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t nl = text.find('\n', start);
        if (nl == std::string_view::npos) {
            error = "the last line is cut short";
            return false;
        }
        lines.push_back(text.substr(start, nl - start));
        start = nl + 1;
    }
    if (lines.empty() || lines.front() != std::string(kMagic) + "\t" + num(kVersion)) {
        error = "line 1: not a version " + num(kVersion) + " state file";
        return false;
    }
    const Fields end = lines.size() >= 2 ? split(lines.back()) : Fields{};
    if (end.size() != 2 || end[0] != "end" ||
        end[1] != num(static_cast<int64_t>(lines.size()) - 2)) {
        error = "the end line is missing or does not match";
        return false;
    }
    for (size_t i = 1; i + 1 < lines.size(); ++i) {
        const Fields fields = split(lines[i]);
        std::string why;
        Reader reader{fields, why};
        bool ok = false;
        if (fields[0] == "ringtone") {
            ok = readRingTone(reader, data);
        } else if (const auto it = recordReaders().find(fields[0]); it != recordReaders().end()) {
            ok = fields.size() == it->second.first ? it->second.second(reader, data)
                                                   : reader.fail("wrong number of fields");
        } else {
            why = "unknown record \"" + escape(fields[0]) + "\"";
        }
        if (!ok) {
            error = "line " + std::to_string(i + 1) + ": " + (why.empty() ? "bad value" : why);
            return false;
        }
    }
    return true;
}

}  // namespace phoneeng
