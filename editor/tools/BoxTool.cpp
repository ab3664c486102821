#include "tools/BoxTool.h"

#include "canvas/ShapeControl.h"
#include "canvas/ShapeRaster.h"
#include "canvas/ViewRounding.h"
#include "document/LogoDocument.h"
#include "tools/ToolContext.h"

namespace glyphsmith {

BoxTool::BoxTool(bool filled) : ShapeTool(ShapeControl::Rectangle, filled) {}

QRectF BoxTool::bandBox(QPointF start, QPointF at) const {
    return QRectF(start, at).normalized();
}

void BoxTool::draw(ToolContext &context, QPointF start, QPointF at) {
    QImage &picture = context.document().preview();
    const QPoint from = logoPointRounded(start);
    const QPoint to = logoPointRounded(at);
    if (filled()) {
        // the far corner lies one cell beyond the released one
        fillBox(picture, from, to + QPoint(1, 1), context.ink());
    } else {
        drawBoxOutline(picture, from, to, context.ink());
    }
}

}  // namespace glyphsmith
