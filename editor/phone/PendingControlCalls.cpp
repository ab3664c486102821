#include "phone/PendingControlCalls.h"

#include "velkor17/VelkorControl.h"

namespace glyphsmith {

// TODO(velkor17): call velk->Logo()->Download(fbOperatorLogo) and return
// velk->SMS()->SMSMessageCenter() once FBLogo.Download and
// FBSms.SMSMessageCenter are in the library.
void DownloadOperatorLogo(VelkorControl *) {}

QString ReadMessageCentre(VelkorControl *) {
    return QString();
}

}  // namespace glyphsmith
