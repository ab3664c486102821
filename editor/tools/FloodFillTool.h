// The flood fill: the press fills the area around the cell in the ink, inside
// the logo, as one undo step.
#pragma once

#include "tools/Tool.h"

namespace glyphsmith {

class FloodFillTool : public Tool {
public:
    void press(ToolContext &context, QPointF at) override;
};

}  // namespace glyphsmith
