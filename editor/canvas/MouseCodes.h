// The editor's mouse button and shift codes (buttons: 1 left, 2 right,
// 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt).
#pragma once

#include <QtGlobal>

namespace glyphsmith {

inline qint16 mouseButtonCode(Qt::MouseButtons buttons) {
    qint16 code = 0;
    if (buttons & Qt::LeftButton) {
        code |= 1;
    }
    if (buttons & Qt::RightButton) {
        code |= 2;
    }
    if (buttons & Qt::MiddleButton) {
        code |= 4;
    }
    return code;
}

inline qint16 mouseShiftCode(Qt::KeyboardModifiers mods) {
    qint16 code = 0;
    if (mods & Qt::ShiftModifier) {
        code |= 1;
    }
    if (mods & Qt::ControlModifier) {
        code |= 2;
    }
    if (mods & Qt::AltModifier) {
        code |= 4;
    }
    return code;
}

inline constexpr qint16 kRightButton = 2;

}  // namespace glyphsmith
