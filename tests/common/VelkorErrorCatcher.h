// The error a call to the library raises, for checking numbers and texts
// without a try block in every test.
#pragma once

#include "velkor17/VelkorError.h"

// The error f raised, or one numbered 0 when it raised none.
template <typename F>
velkor17::VelkorError raisedBy(F &&f) {
    try {
        f();
    } catch (const velkor17::VelkorError &e) {
        return e;
    }
    return velkor17::VelkorError(0, QString());
}

template <typename F>
qint32 errorOf(F &&f) {
    return raisedBy(f).number();
}
