// The control calls that the main window's start-up and connect make.
#pragma once

#include <QString>

class VelkorControl;

namespace glyphsmith {

// Velk.Logo.Download(fbOperatorLogo), no location. Throws what the logo
// object throws (a missing engine or engine function).
void DownloadOperatorLogo(VelkorControl *velk);
// Velk.SMS.SMSMessageCenter; "" when it cannot be read. Never throws.
QString ReadMessageCentre(VelkorControl *velk);

}  // namespace glyphsmith
