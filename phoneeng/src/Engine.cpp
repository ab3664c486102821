#include "Engine.h"

namespace phoneeng {

EngineState &engine() {
    static EngineState state;
    return state;
}

std::recursive_mutex &engineLock() {
    static std::recursive_mutex lock;
    return lock;
}

}  // namespace phoneeng
