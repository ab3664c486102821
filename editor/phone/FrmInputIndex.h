// "Enter Logo Location": asks for the phone location of a caller-group logo
// or picture message to download. Modal, created afresh for every question;
// creating it sets the shared location to "no choice".
#pragma once

#include <QDialog>

#include "shell/SharedValues.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace glyphsmith {

class FrmInputIndex : public QDialog {
    Q_OBJECT
public:
    // `values` outlives the dialog; it receives the chosen location.
    explicit FrmInputIndex(SharedValues &values, QWidget *parent = nullptr);

    // OK (also Enter anywhere): a non-empty number becomes the location
    // (LogoLocationText.h); the dialog closes.
    void cmdOK_Click();
    // Closes the dialog; the location stays "no choice".
    void cmdCancel_Click();

    QLabel *lblIndex = nullptr;
    QLineEdit *txtIndex = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    SharedValues &values_;
};

}  // namespace glyphsmith
