// One drawing tool of the zoomed view. Points are zoomed-view pixels as the
// mouse gave them (not snapped to a cell); the window has already refused
// points beyond the view's right or bottom edge.
#pragma once

#include <QPointF>

namespace glyphsmith {

class ToolContext;

class Tool {
public:
    virtual ~Tool() = default;

    // The tool was chosen.
    virtual void activate(ToolContext &) {}
    // Any button pressed on the view.
    virtual void press(ToolContext &context, QPointF at) = 0;
    // The mouse moved over the view, with or without a button held.
    virtual void move(ToolContext &, QPointF) {}
    virtual void release(ToolContext &, QPointF) {}
    // The tool is put down (another one chosen, New, a download): drags end
    // without drawing and the tool's overlays go.
    virtual void cancel(ToolContext &) {}
    // A key pressed on the view (Qt key code).
    virtual void key(ToolContext &, int) {}
};

}  // namespace glyphsmith
