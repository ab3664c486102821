#include "tools/EllipseTool.h"

#include <cmath>
#include <optional>

#include "canvas/ShapeControl.h"
#include "canvas/ShapeRaster.h"
#include "canvas/ViewRounding.h"
#include "document/LogoDocument.h"
#include "tools/ToolContext.h"

namespace glyphsmith {

EllipseTool::EllipseTool(bool filled) : ShapeTool(ShapeControl::Oval, filled) {}

QRectF EllipseTool::bandBox(QPointF start, QPointF at) const {
    const double w = std::abs(at.x() - start.x());
    const double h = std::abs(at.y() - start.y());
    return QRectF(start.x() - w / 2, start.y() - h / 2, w, h);
}

void EllipseTool::draw(ToolContext &context, QPointF start, QPointF) {
    const ShapeControl &band = context.shapeBand();
    const int w = viewToLogoRounded(band.boxWidth());
    const int h = viewToLogoRounded(band.boxHeight());
    if (w == 0) {
        return;
    }
    const QRgb ink = context.ink();
    const double aspect = static_cast<double>(h) / w;
    if (const auto radii = circleRuleRadii(w / 2.0, aspect)) {
        drawEllipse(context.document().preview(), logoPointRounded(start), *radii, ink,
                    filled() ? std::optional<QRgb>(ink) : std::nullopt);
    }
}

}  // namespace glyphsmith
