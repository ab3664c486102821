#include "tools/LineTool.h"

#include "canvas/LineControl.h"
#include "canvas/ShapeRaster.h"
#include "canvas/ViewRounding.h"
#include "document/LogoDocument.h"
#include "tools/ToolContext.h"

namespace glyphsmith {

void LineTool::press(ToolContext &, QPointF at) {
    dragging_ = true;
    start_ = at;
}

void LineTool::move(ToolContext &context, QPointF at) {
    if (!dragging_) {
        return;
    }
    LineControl &band = context.lineBand();
    band.setLine(QLineF(start_, at));
    band.setBorderColor(QColor::fromRgb(context.ink()));
    band.show();
    band.raise();
}

void LineTool::release(ToolContext &context, QPointF at) {
    LogoDocument &doc = context.document();
    doc.setModified(true);
    if (dragging_) {
        drawLine(doc.preview(), logoPointRounded(start_), logoPointRounded(at), context.ink());
        context.commit();
    } else {
        context.redraw();
    }
    cancel(context);
}

void LineTool::cancel(ToolContext &context) {
    dragging_ = false;
    context.lineBand().hide();
}

}  // namespace glyphsmith
