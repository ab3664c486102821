#include "phone/PendingControlCalls.h"

#include <exception>

#include "velkor17/FBLogo.h"
#include "velkor17/FBSms.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

void DownloadOperatorLogo(VelkorControl *velk) {
    velk->Logo()->Download(fbOperatorLogo);
}

QString ReadMessageCentre(VelkorControl *velk) {
    try {
        return velk->SMS()->SMSMessageCenter();
    } catch (const std::exception &) {
        return QString();  // start-up goes on without a message centre
    }
}

}  // namespace glyphsmith
