// The pencil, and the eraser (the pencil with the clear colour as ink): the
// press sets the cell under the pointer, every move with the pen down sets
// the cells of the segment from the last cell to the new one, and the
// release makes the whole stroke one undo step. Only touched cells repaint.
#pragma once

#include <QPoint>
#include <QRgb>

#include "tools/Tool.h"

namespace glyphsmith {

class PencilTool : public Tool {
public:
    explicit PencilTool(bool eraser) : eraser_(eraser) {}

    void press(ToolContext &context, QPointF at) override;
    void move(ToolContext &context, QPointF at) override;
    void release(ToolContext &context, QPointF at) override;

    bool penDown() const { return penDown_; }

private:
    void drawTo(ToolContext &context, QPoint cell);

    bool eraser_;
    // A release beyond the view leaves the pen down: moving back over the
    // view draws on without a button.
    bool penDown_ = false;
    QPoint lastCell_;  // logo pixels
};

}  // namespace glyphsmith
