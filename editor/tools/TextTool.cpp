#include "tools/TextTool.h"

#include "canvas/FrmDrawText.h"
#include "canvas/ViewRounding.h"
#include "document/LogoDocument.h"
#include "tools/ToolContext.h"

namespace glyphsmith {

void TextTool::press(ToolContext &context, QPointF at) {
    context.document().setModified(true);
    FrmDrawText &dialog = context.textDialog();
    const QColor ink = QColor::fromRgb(context.ink());
    dialog.picRealForeColor = ink;
    dialog.setText1ForeColor(ink);
    dialog.sngTextX = static_cast<float>(viewToLogoRounded(at.x()));
    dialog.sngTextY = static_cast<float>(viewToLogoRounded(at.y()));
    dialog.exec();
    context.commit();
}

}  // namespace glyphsmith
