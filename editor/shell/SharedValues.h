// Values that several windows hand to each other. The main window owns the
// one instance for the program's life and passes it by reference to the
// windows that read or fill it; nothing else keeps a copy.
#pragma once

#include <QString>

namespace glyphsmith {

struct SharedValues {
    // The SMS message centre number, read from the phone at start-up ("" when
    // the phone gave none); the send windows' "Default" buttons fill it in.
    QString sSMSC;
    // The number last picked in the phonebook window ("" after a cancel).
    QString sPhonebookNumber;
    // 0-based phone location chosen in a logo location dialog;
    // kNoLocation when the dialog was cancelled or its number left empty.
    qint16 iLogoLocation = 0;
    // The text typed in the picture logo dialog.
    QString sPictureText;

    static constexpr qint16 kNoLocation = 99;
};

}  // namespace glyphsmith
