// The empty and the full ellipse: the band is centred on the press point and
// as large as the drag; the release draws the ellipse the band was left with.
#pragma once

#include "tools/ShapeTool.h"

namespace glyphsmith {

class EllipseTool : public ShapeTool {
public:
    explicit EllipseTool(bool filled);

protected:
    QRectF bandBox(QPointF start, QPointF at) const override;
    void draw(ToolContext &context, QPointF start, QPointF at) override;
};

}  // namespace glyphsmith
