// Compiled into every test program that links fakeengine_client: chooses the
// fake as the engine before main runs.
#include "FakeEngine.h"

namespace {
const bool kFakeEngineChosen = fakeengine::useAsEngine();
}
