// The program's built-in files (help pages, sample ring tones, settings
// template) live in a resource file linked from a static library: this makes
// sure it is registered before first use.
#pragma once

namespace glyphsmith {

void InitEditorResources();

}  // namespace glyphsmith
