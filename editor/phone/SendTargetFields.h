// The destination and message-centre rows the two send windows share: their
// "PhoneBook" and "Default" buttons.
#pragma once

#include <QString>
#include <functional>

class QLineEdit;
class QWidget;
class VelkorControl;

namespace glyphsmith {

struct SharedValues;

// Opens the phonebook window modally over `parent`; the number picked there
// is left in SharedValues::sPhonebookNumber.
using OpenPhonebook = std::function<void(QWidget *parent)>;
// Runs the reconnect guard; true when the link is up afterwards.
using ConnectionGuard = std::function<bool()>;

// "PhoneBook": the picked number is emptied, the phonebook window shown, and
// a number picked there replaces `txtNumber`'s text (nothing picked: the
// text stays).
void pickNumberFromPhonebook(SharedValues &values, const OpenPhonebook &openPhonebook,
                             QWidget *parent, QLineEdit *txtNumber);
// "Default": the phone is asked for the message centre only while none is
// known; the known one goes into `txtMessageCntr`.
void showDefaultMessageCentre(SharedValues &values, VelkorControl *velk,
                              QLineEdit *txtMessageCntr);
// The message centre the phone uses; "" when it cannot be read.
QString phoneMessageCentre(VelkorControl *velk);

}  // namespace glyphsmith
