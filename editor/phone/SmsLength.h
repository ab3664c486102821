// How much room a text message has left: GSM 7-bit text counts against 160
// septets (153 a part when it needs several), a text with any character
// outside the GSM 7-bit default alphabet goes as Unicode and counts against
// 70 UTF-16 units (67 a part).
#pragma once

#include <QString>

namespace glyphsmith {

struct SmsLength {
    bool unicode = false;
    int units = 0;  // septets (an extension character takes two) or UTF-16 units
    int parts = 1;  // messages the text takes (1 for an empty text)
    int left = 0;   // units still free in the last of them
};

// Whether every character of `text` is in the GSM 7-bit default alphabet or
// its extension table.
bool isGsm7Text(const QString &text);
SmsLength smsLength(const QString &text);
// The counter under the message box: "123 left", "Unicode: 65 left",
// "2 messages, 140 left".
QString smsLengthText(const SmsLength &length);

}  // namespace glyphsmith
