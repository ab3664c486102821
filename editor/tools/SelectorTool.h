// The area selector: armed -> a rectangle dragged over the view -> a finished
// selection floating as a picture -> moved and pasted (cut or copied), copied
// to the clipboard with the right button, or deleted with Delete; each ends
// armed again.
//
// View points are zoomed-view pixels; the selection's corners are logo
// pixels (view / 6).
#pragma once

#include <QPointF>

#include "tools/SelectionState.h"
#include "tools/Tool.h"

namespace glyphsmith {

class SelectorTool : public Tool {
public:
    // Arms the selector; the keyboard focus stays where it is.
    void activate(ToolContext &context) override;
    void press(ToolContext &context, QPointF at) override;
    void move(ToolContext &context, QPointF at) override;
    void release(ToolContext &context, QPointF at) override;
    void cancel(ToolContext &context) override;
    // Delete clears a selection made since the selector was chosen.
    void key(ToolContext &context, int qtKey) override;

    // The floating picture's mouse, `at` in the picture's own pixels.
    void picturePress(ToolContext &context, Qt::MouseButton button);
    void pictureMove(ToolContext &context, Qt::MouseButtons buttons, QPointF at);
    void pictureRelease(ToolContext &context, Qt::MouseButton button);

    const SelectionState &state() const { return s_; }

private:
    void rearm(ToolContext &context);
    void copyToClipboard(ToolContext &context);

    SelectionState s_;
};

}  // namespace glyphsmith
