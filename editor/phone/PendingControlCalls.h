// The control calls the main window's start-up and connect make. Each is a
// direct call once its member exists in the library; a member still missing
// does nothing and never throws.
#pragma once

#include <QString>

class VelkorControl;

namespace glyphsmith {

// Velk.Logo.Download(fbOperatorLogo), no location. Throws what the logo
// object throws (a missing engine or engine function).
void DownloadOperatorLogo(VelkorControl *velk);
// Velk.SMS.SMSMessageCenter.
QString ReadMessageCentre(VelkorControl *velk);

}  // namespace glyphsmith
