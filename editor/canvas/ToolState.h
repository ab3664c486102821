// The main window's drawing-tool state: which tool is chosen, what a drag in
// progress is doing, and where it started. View coordinates are zoomed-view
// pixels as the mouse reported them (not snapped to a cell).
#pragma once

#include <QPoint>
#include <QRgb>

#include "canvas/LogoDocument.h"

namespace glyphsmith {

struct ToolState {
    // Tool flags: at most one tool is chosen; the eraser is the pencil with
    // bEraser set as well.
    bool bPencil = false;
    bool bEraser = false;
    bool bFloodFill = false;
    bool bLine = false;
    bool bEmptyBox = false;
    bool bFullBox = false;
    bool bEmptyCircle = false;
    bool bFullCircle = false;
    bool bText = false;
    bool bSelector = false;

    // Drag flags, set by a press on the zoomed view and cleared by the
    // release inside it (a release beyond the view leaves them set).
    bool bPenDown = false;
    bool bLineDrag = false;
    bool bBoxDrag = false;
    bool bCircleDrag = false;

    // Press point of the current line, box or ellipse drag, view pixels.
    float sngStartX = 0.0F;
    float sngStartY = 0.0F;
    // Logo pixel the pencil or eraser stroke last reached.
    QPoint penCell;
    // Colour of the last pencil or eraser stroke.
    QRgb lPenColor = LogoDocument::kSetColor;

    // All ten tool flags off; the drag state stays.
    void clearToolFlags() {
        bPencil = bEraser = bFloodFill = bLine = bEmptyBox = bFullBox = false;
        bEmptyCircle = bFullCircle = bText = bSelector = false;
    }
    bool boxTool() const { return bEmptyBox || bFullBox; }
    bool ellipseTool() const { return bEmptyCircle || bFullCircle; }
};

}  // namespace glyphsmith
