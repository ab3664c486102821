#include "tools/ToolBox.h"

#include <cstring>

#include "tools/BoxTool.h"
#include "tools/EllipseTool.h"
#include "tools/FloodFillTool.h"
#include "tools/LineTool.h"
#include "tools/PencilTool.h"
#include "tools/SelectorTool.h"
#include "tools/TextTool.h"

namespace glyphsmith {

namespace {

template <class T, auto... args>
std::unique_ptr<Tool> make() {
    return std::make_unique<T>(args...);
}

using C = ToolCursors;

const ToolDef kTools[] = {
    {"cmdSelector", ButtonIcon::Selector, "Select an area", C::Pencil, false, &make<SelectorTool>},
    {"cmdPencil", ButtonIcon::Pencil, "Pencil", C::Pencil, true, &make<PencilTool, false>},
    {"cmdErasor", ButtonIcon::Eraser, "Eraser", C::Eraser, true, &make<PencilTool, true>},
    {"cmdFill", ButtonIcon::Fill, "Fill", C::Flood, true, &make<FloodFillTool>},
    {"cmdLine", ButtonIcon::Line, "Line", C::Pencil, true, &make<LineTool>},
    {"cmdFullBox", ButtonIcon::FullBox, "Full box", C::Pencil, true, &make<BoxTool, true>},
    {"cmdEmptyBox", ButtonIcon::EmptyBox, "Empty box", C::Pencil, true, &make<BoxTool, false>},
    {"cmdFullCircle", ButtonIcon::FullCircle, "Full ellipse", C::Pencil, true,
     &make<EllipseTool, true>},
    {"cmdEmptyCircle", ButtonIcon::EmptyCircle, "Empty ellipse", C::Pencil, true,
     &make<EllipseTool, false>},
    {"cmdText", ButtonIcon::Text, "Text", C::Letter, true, &make<TextTool>},
};

}  // namespace

std::span<const ToolDef> ToolBox::tools() {
    return kTools;
}

const ToolDef *ToolBox::find(const char *button) {
    for (const ToolDef &t : kTools) {
        if (std::strcmp(t.button, button) == 0) {
            return &t;
        }
    }
    return nullptr;
}

}  // namespace glyphsmith
