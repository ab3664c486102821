// Members of the control's child objects that the editor calls but the
// control library does not offer yet. Each becomes a direct call once its
// member exists; until then it does nothing and never throws.
#pragma once

#include <QString>

class VelkorControl;

namespace glyphsmith {

// Velk.Logo.Download(fbOperatorLogo), no location.
void DownloadOperatorLogo(VelkorControl *velk);
// Velk.SMS.SMSMessageCenter.
QString ReadMessageCentre(VelkorControl *velk);

}  // namespace glyphsmith
