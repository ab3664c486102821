// The application-wide wait pointer of one window: shown at most once however
// often it is asked for, and taken back when the window goes.
#pragma once

#include <QApplication>

namespace glyphsmith {

class HourglassCursor {
public:
    HourglassCursor() = default;
    HourglassCursor(const HourglassCursor &) = delete;
    HourglassCursor &operator=(const HourglassCursor &) = delete;
    ~HourglassCursor() { set(false); }

    void set(bool on) {
        if (on == on_) {
            return;
        }
        on_ = on;
        if (on) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    }

private:
    bool on_ = false;
};

}  // namespace glyphsmith
