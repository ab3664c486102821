// The selector's widgets over the zoomed view, made and owned by the window:
// the blinking selection rectangle, the floating picture of a finished
// selection and the cut/copy choice.
#pragma once

class QRadioButton;
class QTimer;

namespace glyphsmith {

class FloatingPicture;
class ShapeControl;

struct SelectionOverlay {
    ShapeControl *frame = nullptr;       // view pixels
    FloatingPicture *picture = nullptr;  // placed in view pixels
    QRadioButton *cut = nullptr;
    QRadioButton *copy = nullptr;
    QTimer *blink = nullptr;  // switches the frame's dots while it runs
};

}  // namespace glyphsmith
