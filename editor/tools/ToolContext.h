// What a drawing tool reaches of the window around it: the document, the
// ink, the rubber bands over the view, the repaint of touched cells and the
// commit of a finished edit as one undo step.
#pragma once

#include <QRect>
#include <QRgb>
#include <QString>

#include "tools/ToolCursors.h"

namespace glyphsmith {

class FrmDrawText;
class LineControl;
class LogoDocument;
struct SelectionOverlay;
class ShapeControl;
class UndoHistory;

class ToolContext {
public:
    virtual ~ToolContext() = default;

    virtual LogoDocument &document() = 0;
    virtual UndoHistory &undoHistory() = 0;
    // The drawing colour.
    virtual QRgb ink() const = 0;
    // Repaints the view cells and preview pixels of `cells` (logo pixels).
    virtual void repaintCells(const QRect &cells) = 0;
    // A finished edit: an undo step, then the view rebuilt from the picture.
    virtual void commit() = 0;
    // An undo step without the rebuild (the cells are already painted).
    virtual void commitPainted() = 0;
    // The view rebuilt from the picture, no undo step.
    virtual void redraw() = 0;
    // The picture's part outside the logo cleared (the kind decides where).
    virtual void clearOutsideLogo() = 0;

    // The line tool's rubber band and that of boxes and ellipses (view pixels).
    virtual LineControl &lineBand() = 0;
    virtual ShapeControl &shapeBand() = 0;
    // The selector's rectangle, floating picture and cut/copy choice.
    virtual SelectionOverlay &selectionOverlay() = 0;

    virtual void setPointer(ToolCursors::Image image) = 0;
    // A message box over the window.
    virtual void inform(const QString &text) = 0;
    // The text tool's dialog, kept between uses.
    virtual FrmDrawText &textDialog() = 0;
};

}  // namespace glyphsmith
