// The hourglass over the application for the life of one object; the
// normal pointer comes back when it goes, on every way out.
#pragma once

#include <QApplication>

namespace glyphsmith {

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
    // The normal pointer now (later calls do nothing).
    void restore() {
        if (on_) {
            on_ = false;
            QApplication::restoreOverrideCursor();
        }
    }

private:
    bool on_ = true;
};

}  // namespace glyphsmith
