#include "shell/Resources.h"

#include <QtGlobal>

static void initResourcesOnce() {
    Q_INIT_RESOURCE(glyphsmith);
}

namespace glyphsmith {

void InitEditorResources() {
    static const bool done = (initResourcesOnce(), true);
    Q_UNUSED(done);
}

}  // namespace glyphsmith
