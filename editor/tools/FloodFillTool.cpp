#include "tools/FloodFillTool.h"

#include "canvas/FloodFill.h"
#include "canvas/ViewRounding.h"
#include "document/LogoDocument.h"
#include "tools/ToolContext.h"

namespace glyphsmith {

void FloodFillTool::press(ToolContext &context, QPointF at) {
    LogoDocument &doc = context.document();
    doc.setModified(true);
    const QPoint seed(viewToLogoRounded(at.x()), viewToLogoRounded(at.y()));
    // the fill stays inside the logo: the picture's area outside it is clear
    // and would otherwise carry the fill around closed outlines
    floodFill(doc.preview(), seed, context.ink(), QRect(0, 0, doc.logoWidth(), doc.logoHeight()));
    context.commit();
}

}  // namespace glyphsmith
