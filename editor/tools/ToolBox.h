// The drawing tools of the tool box, one row each: the button's object name,
// icon and tip, the view's pointer while the tool is chosen, and the tool's
// factory. Adding a tool is adding a row.
#pragma once

#include <memory>
#include <span>

#include "shell/ButtonIcons.h"
#include "tools/Tool.h"
#include "tools/ToolCursors.h"

namespace glyphsmith {

struct ToolDef {
    const char *button;  // object name of the tool box button
    ButtonIcon icon;
    const char *tip;
    ToolCursors::Image pointer;
    // Whether choosing the tool gives the view the keyboard focus.
    bool takesFocus;
    std::unique_ptr<Tool> (*make)();
};

class ToolBox {
public:
    // In the tool box's order, left to right.
    static std::span<const ToolDef> tools();
    // The row whose button has this object name; null for none.
    static const ToolDef *find(const char *button);
};

}  // namespace glyphsmith
