#include "tools/ShapeTool.h"

#include "canvas/ShapeControl.h"
#include "document/LogoDocument.h"
#include "tools/ToolContext.h"

namespace glyphsmith {

void ShapeTool::activate(ToolContext &context) {
    ShapeControl &band = context.shapeBand();
    band.setShape(shape_);
    band.setFillStyle(filled_ ? ShapeControl::Solid : ShapeControl::Transparent);
}

void ShapeTool::press(ToolContext &, QPointF at) {
    dragging_ = true;
    start_ = at;
}

void ShapeTool::move(ToolContext &context, QPointF at) {
    if (!dragging_) {
        return;
    }
    const QColor ink = QColor::fromRgb(context.ink());
    ShapeControl &band = context.shapeBand();
    band.setBox(bandBox(start_, at));
    band.setBorderColor(ink);
    band.setFillColor(ink);
    band.show();
    band.raise();
}

void ShapeTool::release(ToolContext &context, QPointF at) {
    context.document().setModified(true);
    draw(context, start_, at);
    cancel(context);
    context.commit();
}

void ShapeTool::cancel(ToolContext &context) {
    dragging_ = false;
    context.shapeBand().hide();
}

}  // namespace glyphsmith
