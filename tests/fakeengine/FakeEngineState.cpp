#include "FakeEngineState.h"

fakeengine::FakeEngineState *fakeengine_state() {
    static fakeengine::FakeEngineState state;
    return &state;
}
