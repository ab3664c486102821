// Routes each whole message to the handler of its type.
#pragma once

#include <memory>
#include <vector>

#include "fbus/FbusHandler.h"

namespace phoneeng::fbus {

class FbusDispatcher {
public:
    // With every handler of the phone's message groups.
    FbusDispatcher();

    // The answers to `request`; none for a type no handler knows.
    std::vector<FbusMessage> dispatch(const FbusMessage &request, FbusContext &context);

private:
    std::vector<std::unique_ptr<FbusHandler>> handlers_;
};

}  // namespace phoneeng::fbus
