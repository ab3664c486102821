#include "phone/SmsLength.h"

namespace glyphsmith {

namespace {

// The GSM 7-bit default alphabet (escape left out) and its extension table,
// whose characters take two septets.
const QString &basicAlphabet() {
    static const QString alphabet = QStringLiteral(
        "@£$¥èéùìòÇ\nØø\rÅåΔ_ΦΓΛΩΠΨΣΘΞÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
        "¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§¿abcdefghijklmnopqrstuvwxyzäöñüà");
    return alphabet;
}
const QString &extensionAlphabet() {
    static const QString alphabet = QStringLiteral("\f^{}\\[~]|€");
    return alphabet;
}

}  // namespace

bool isGsm7Text(const QString &text) {
    for (const QChar c : text) {
        if (!basicAlphabet().contains(c) && !extensionAlphabet().contains(c)) {
            return false;
        }
    }
    return true;
}

SmsLength smsLength(const QString &text) {
    SmsLength length;
    length.unicode = !isGsm7Text(text);
    if (length.unicode) {
        length.units = int(text.size());
    } else {
        for (const QChar c : text) {
            length.units += extensionAlphabet().contains(c) ? 2 : 1;
        }
    }
    const int single = length.unicode ? 70 : 160;
    const int part = length.unicode ? 67 : 153;
    if (length.units <= single) {
        length.left = single - length.units;
    } else {
        length.parts = (length.units + part - 1) / part;
        length.left = length.parts * part - length.units;
    }
    return length;
}

QString smsLengthText(const SmsLength &length) {
    QString text;
    if (length.unicode) {
        text = QStringLiteral("Unicode: ");
    }
    if (length.parts > 1) {
        text += QStringLiteral("%1 messages, ").arg(length.parts);
    }
    return text + QStringLiteral("%1 left").arg(length.left);
}

}  // namespace glyphsmith
