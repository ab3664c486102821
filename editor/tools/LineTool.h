// The line tool: a rubber band follows the drag; the release draws the line
// between the press and release cells, both included, as one undo step.
#pragma once

#include "tools/Tool.h"

namespace glyphsmith {

class LineTool : public Tool {
public:
    void press(ToolContext &context, QPointF at) override;
    void move(ToolContext &context, QPointF at) override;
    void release(ToolContext &context, QPointF at) override;
    void cancel(ToolContext &context) override;

    bool dragging() const { return dragging_; }

private:
    bool dragging_ = false;
    QPointF start_;  // view pixels
};

}  // namespace glyphsmith
