// The empty and the full box, between the press and release cells. A release
// draws whether or not a drag was seen.
#pragma once

#include "tools/ShapeTool.h"

namespace glyphsmith {

class BoxTool : public ShapeTool {
public:
    explicit BoxTool(bool filled);

protected:
    QRectF bandBox(QPointF start, QPointF at) const override;
    void draw(ToolContext &context, QPointF start, QPointF at) override;
};

}  // namespace glyphsmith
