// A text buffer handed to the engine: `size` bytes pre-filled with blanks,
// which the engine fills with NUL-terminated ISO-8859-1 text. text() cuts at
// the first NUL (the whole buffer when the engine wrote none).
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace velkor17 {

class EngineBuffer {
public:
    explicit EngineBuffer(int32_t size) : bytes_(size, ' ') {}

    char *data() { return bytes_.data(); }
    int32_t size() const { return int32_t(bytes_.size()); }

    QString text() const {
        const qsizetype end = bytes_.indexOf('\0');
        return QString::fromLatin1(end < 0 ? bytes_ : bytes_.left(end));
    }

private:
    QByteArray bytes_;
};

// A text going to the engine: ISO-8859-1 (characters beyond it become '?'),
// NUL-terminated by QByteArray.
inline QByteArray engineText(const QString &text) {
    return text.toLatin1();
}

}  // namespace velkor17
