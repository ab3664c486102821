#include "phone/PendingControlCalls.h"

#include "velkor17/FBLogo.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

void DownloadOperatorLogo(VelkorControl *velk) {
    velk->Logo()->Download(fbOperatorLogo);
}

// TODO(velkor17): return velk->SMS()->SMSMessageCenter() once
// FBSms.SMSMessageCenter is in the library.
QString ReadMessageCentre(VelkorControl *) {
    return QString();
}

}  // namespace glyphsmith
