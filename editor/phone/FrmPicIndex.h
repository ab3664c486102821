// "Picture Logo": asks for the phone location and the text of a caller-group
// logo or picture message to upload. Modal, created afresh for every
// question; creating it sets the shared location to "no choice" and the
// shared picture text to "".
#pragma once

#include <QDialog>

#include "shell/SharedValues.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace glyphsmith {

class FrmPicIndex : public QDialog {
    Q_OBJECT
public:
    // The longest text a picture message carries (characters).
    static constexpr int kMaxPictureText = 511;

    // `values` outlives the dialog; it receives the location and the text.
    explicit FrmPicIndex(SharedValues &values, QWidget *parent = nullptr);

    // OK (also Enter anywhere, in the text box included; Ctrl+Enter starts a
    // new line there): a non-empty number becomes the location
    // (LogoLocationText.h), the text becomes the picture text whether or not
    // the number was empty; the dialog closes.
    void cmdOK_Click();
    // Closes the dialog; location and text stay as they were reset.
    void cmdCancel_Click();

    QLabel *lblIndex = nullptr;
    QLineEdit *txtIndex = nullptr;
    QLabel *lblPicInfo = nullptr;
    QPlainTextEdit *txtPicInfo = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SharedValues &values_;
};

}  // namespace glyphsmith
