// The tools that drag a box or an ellipse: a rubber band of the shape follows
// the drag in the ink; the release draws the shape into the picture (each
// tool its own way) as one undo step.
#pragma once

#include <QPointF>
#include <QRectF>

#include "tools/Tool.h"

namespace glyphsmith {

class ShapeTool : public Tool {
public:
    // `shape` and `fill`: ShapeControl's ShapeKind and FillKind of the band.
    ShapeTool(int shape, bool filled) : shape_(shape), filled_(filled) {}

    void activate(ToolContext &context) override;
    void press(ToolContext &context, QPointF at) override;
    void move(ToolContext &context, QPointF at) override;
    void release(ToolContext &context, QPointF at) override;
    void cancel(ToolContext &context) override;

    bool dragging() const { return dragging_; }

protected:
    // The band's box with the pointer at `at` (view pixels).
    virtual QRectF bandBox(QPointF start, QPointF at) const = 0;
    // Draws the shape into the document picture.
    virtual void draw(ToolContext &context, QPointF start, QPointF at) = 0;
    bool filled() const { return filled_; }

private:
    int shape_;
    bool filled_;
    bool dragging_ = false;
    QPointF start_;  // view pixels
};

}  // namespace glyphsmith
