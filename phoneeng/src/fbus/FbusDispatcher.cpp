#include "fbus/FbusDispatcher.h"

#include "fbus/FbusCallHandler.h"
#include "fbus/FbusIdentityHandler.h"
#include "fbus/FbusLogoHandler.h"
#include "fbus/FbusPhonebookHandler.h"
#include "fbus/FbusSmsHandler.h"
#include "fbus/FbusStatusHandler.h"

namespace phoneeng::fbus {

FbusDispatcher::FbusDispatcher() {
    handlers_.push_back(std::make_unique<FbusIdentityHandler>());
    handlers_.push_back(std::make_unique<FbusCallHandler>());
    handlers_.push_back(std::make_unique<FbusStatusHandler>());
    handlers_.push_back(std::make_unique<FbusPhonebookHandler>());
    handlers_.push_back(std::make_unique<FbusLogoHandler>());
    handlers_.push_back(std::make_unique<FbusSmsHandler>());
}

std::vector<FbusMessage> FbusDispatcher::dispatch(const FbusMessage &request,
                                                  FbusContext &context) {
    std::vector<FbusMessage> replies;
    for (const auto &handler : handlers_) {
        if (handler->handles(request.type)) {
            handler->handle(request, context, replies);
            break;
        }
    }
    return replies;
}

}  // namespace phoneeng::fbus
