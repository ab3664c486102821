// Marks the main window busy for the life of a handler that may let window
// messages run; a close arriving meanwhile waits until the outermost scope ends.
#pragma once

#include "shell/FrmMain.h"

namespace glyphsmith {

class HandlerScope {
public:
    explicit HandlerScope(FrmMain &window) : window_(window) { window_.enterHandler(); }
    ~HandlerScope() { window_.leaveHandler(); }
    HandlerScope(const HandlerScope &) = delete;
    HandlerScope &operator=(const HandlerScope &) = delete;

private:
    FrmMain &window_;
};

}  // namespace glyphsmith
