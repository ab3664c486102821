// The lines of the phonebook window's list and the number a picked line
// hands over.
#pragma once

#include <QString>

namespace glyphsmith {

// The list line of SIM entry `entry` (from 1): the entry's last two decimal
// digits (7 -> "07", 100 -> "00"), ": ", the number padded with two spaces
// for each character it is shorter than 13, a tab, the name, and
// " (Group g)" when `group` is 1 or more.
QString phonebookLine(int entry, const QString &number, const QString &name, int group);

// The number a list line hands over: the text after the line's first ':'
// with the spaces around it removed and cut at its first space, then its
// leading run of digits and '+'. Empty when the line gives no text at all
// (nothing is picked then); a text that does not begin with a digit or '+'
// gives "" as well, but counts as picked (see `pickedText`).
QString pickedNumber(const QString &line);
// The text a line gives before the digits are taken (empty: nothing picked).
QString pickedText(const QString &line);

}  // namespace glyphsmith
