// "PhoneBook Lookup": lists the SIM phonebook and lets the user pick one
// number, which it leaves in SharedValues::sPhonebookNumber ("" when nothing
// was picked). Modal, created afresh for every showing; the reading starts
// 500 ms after the window is created, so the window is up while it runs,
// and window messages run between entries, so Cancel stops it.
#pragma once

#include <QDialog>

#include "phone/SendTargetFields.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class VelkorControl;

namespace glyphsmith {

struct SharedValues;

class FrmPhoneBook : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLastLocation = 255;  // the most SIM locations read
    static constexpr qint16 kPastEnd = 22;     // LastError of a location past the SIM's end

    // Empties the picked number. `guard` runs before the reading: with the
    // link still down nothing is read.
    FrmPhoneBook(VelkorControl *velk, SharedValues &values, ConnectionGuard guard,
                 QWidget *parent = nullptr);

    void Timer1_Timer();
    // Reads SIM locations 1 to 255 into the list until the SIM's end or a
    // cancel; reports in txtStat1.
    void ReadPhonebook();
    // Picks the selected line's number and closes; nothing without a
    // selection or when the line gives no number text.
    void cmdOK_Click();
    void lstPhonebook_DblClick();
    // Stops a running read and closes with nothing picked.
    void cmdCancel_Click();
    // Closing by the window's frame or Escape is a cancel.
    void reject() override;

    QLineEdit *txtStat1 = nullptr;
    QGroupBox *fraPhonebook = nullptr;
    QListWidget *lstPhonebook = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QTimer *Timer1 = nullptr;

private:
    VelkorControl *velk_;
    SharedValues &values_;
    ConnectionGuard guard_;
    bool cancelled_ = false;
    bool reading_ = false;
};

}  // namespace glyphsmith
