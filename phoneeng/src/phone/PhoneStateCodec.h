// The virtual phone's state file format, version 1: plain ASCII
// text, one record per line, fields separated by TAB.
//
//   phoneeng-virtual-phone <TAB> 1        first line: name and version
//   <record> <TAB> <field> ...            any number of records
//   end <TAB> <number of records>         last line
//
// Texts are written with "%HH" for '%', control characters and bytes above
// 0x7E; UTF-16 texts as four hex digits per unit; bitmaps as hex of their
// pixels row by row, 1 bit each (MSB first, set = 1), the last byte padded.
// Reading is strict: an unknown record, a wrong field count, a value out of
// range or a missing end line makes the whole file damaged.
#pragma once

#include <string>
#include <string_view>

#include "phone/VirtualPhoneData.h"

namespace phoneeng {

class PhoneStateCodec {
public:
    static constexpr const char *kMagic = "phoneeng-virtual-phone";
    static constexpr int kVersion = 1;

    static std::string write(const VirtualPhoneData &data);
    // Fills `data` (which should be empty, not seeded) from `text`. On
    // failure gives false with a one-line reason in `error` ("line 12: ...").
    static bool read(std::string_view text, VirtualPhoneData &data, std::string &error);
};

}  // namespace phoneeng
