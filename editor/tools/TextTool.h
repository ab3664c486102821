// The text tool: the press opens the text dialog at the cell, which draws
// into the picture; closing it makes one undo step.
#pragma once

#include "tools/Tool.h"

namespace glyphsmith {

class TextTool : public Tool {
public:
    void press(ToolContext &context, QPointF at) override;
};

}  // namespace glyphsmith
