#include "tools/PencilTool.h"

#include "canvas/ShapeRaster.h"
#include "canvas/ViewRounding.h"
#include "document/LogoDocument.h"
#include "tools/ToolContext.h"

namespace glyphsmith {

namespace {

// Pencil cells round down, so points left of or above the view give
// negative cells, which draw nothing.
QPoint cellAt(QPointF at) {
    return QPoint(viewToLogoFloor(at.x()), viewToLogoFloor(at.y()));
}

}  // namespace

void PencilTool::press(ToolContext &context, QPointF at) {
    penDown_ = true;
    lastCell_ = cellAt(at);
    drawTo(context, lastCell_);
}

void PencilTool::move(ToolContext &context, QPointF at) {
    if (penDown_) {
        drawTo(context, cellAt(at));
    }
}

void PencilTool::release(ToolContext &context, QPointF) {
    penDown_ = false;
    context.commitPainted();
}

void PencilTool::drawTo(ToolContext &context, QPoint cell) {
    LogoDocument &doc = context.document();
    doc.setModified(true);
    const QRgb ink = eraser_ ? LogoDocument::kClearColor : context.ink();
    forEachLinePixel(lastCell_, cell, [&](QPoint p) {
        doc.setPixel(p.x(), p.y(), ink);
        context.repaintCells(QRect(p, QSize(1, 1)));
    });
    lastCell_ = cell;
}

}  // namespace glyphsmith
