// The area selector's state: armed -> dragging -> done (a floating picture of
// the selected part) -> pasted, copied or deleted, which arms it again.
// View coordinates are zoomed-view pixels; the corners iSel* are logo pixels.
#pragma once

#include <QPointF>

#include "canvas/PictureClip.h"

namespace glyphsmith {

struct SelectionState {
    bool bSelArmed = false;   // the next press on the view starts a rectangle
    bool bSelecting = false;  // a rectangle is being dragged
    bool bSelDone = false;    // a selection floats as picMove
    bool bSelMoving = false;  // picMove is held by the mouse

    float sngSelStartX = 0.0F;
    float sngSelStartY = 0.0F;
    // Current corner, kept inside the view.
    float sngSelEndX = 0.0F;
    float sngSelEndY = 0.0F;

    // Start and end corner of the last selection, each view coordinate
    // divided by 6 (not ordered).
    int iSelX1 = 0;
    int iSelX2 = 0;
    int iSelY1 = 0;
    int iSelY2 = 0;

    // The selected part of the document picture at 1:1, and of the zoomed
    // view at view size.
    PictureClip PicClip;
    PictureClip PicClipMove;

    // Where the floating picture started (view pixels).
    QPointF home;
    // Moving picMove: whether the next move is the first since the press, and
    // the mouse's offset from the picture's corner taken on that move.
    bool firstMove = false;
    QPointF grabOffset;
};

}  // namespace glyphsmith
