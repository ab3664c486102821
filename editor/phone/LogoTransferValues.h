// The values the logo location dialogs leave for the transfer commands. They
// live as long as the program and keep their last values between commands;
// each dialog resets them when it is created.
#pragma once

#include <QString>

namespace glyphsmith {

struct LogoTransferValues {
    // 0-based phone location; kNoLocation when a dialog was cancelled or its
    // number left empty.
    qint16 iLogoLocation = 0;
    // The text typed in the picture logo dialog.
    QString sPictureText;

    static constexpr qint16 kNoLocation = 99;
};

// The program's one set of transfer values.
LogoTransferValues &logoTransferValues();

}  // namespace glyphsmith
