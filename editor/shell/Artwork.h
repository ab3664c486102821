// The program's own pictures, painted at start: the phone the main window
// shows around the logo, its display decorations, the connection icons of
// the status bar, the splash picture and the window icon. Every function
// returns the same picture on every call.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRect>

namespace glyphsmith {

class Artwork {
public:
    // Phone body, 152 x 412; its display (in the clear colour) lies at
    // displayRect().
    static QPixmap phoneBody();
    static QRect displayRect();
    // Signal-strength bar and battery bar, 6 x 45 each.
    static QPixmap signalBar();
    static QPixmap batteryBar();
    // Soft-key caption strip, 95 x 13.
    static QPixmap softKeyCaptions();
    // Connection icons of the status bar, 16 x 16: 101 not connected (or
    // connecting), 102 connected. Other numbers give 101.
    static QPixmap connectionIcon(int id);
    // The splash window's picture, 492 x 269.
    static QPixmap splash();
    static QIcon windowIcon();
};

}  // namespace glyphsmith
