// "Send Logo To Another Phone": sends the logo on the canvas as a smart
// message through the control's shared logo object. Modal, created afresh
// for every showing; it stays open after a send, whatever the outcome.
// Startup logos have no smart-message form: the opener refuses them.
#pragma once

#include <QDialog>
#include <functional>

#include "phone/SendTargetFields.h"

class QLabel;
class QLineEdit;
class QPushButton;
class VelkorControl;

namespace glyphsmith {

class LogoDocument;
class MessageService;
struct SharedValues;

class FrmSendLogo : public QDialog {
    Q_OBJECT
public:
    // `doc`: the logo being edited (its kind chooses the logo type; the send
    // sets its width and height from the logo object). `netCode`: the main
    // window's network code text. `canvasToLogo` copies the canvas into the
    // control's logo object. All referenced objects outlive the dialog.
    FrmSendLogo(VelkorControl *velk, SharedValues &values, MessageService &messages,
                LogoDocument &doc, const QString &netCode, std::function<void()> canvasToLogo,
                OpenPhonebook openPhonebook, QWidget *parent = nullptr);

    // Nothing with an empty destination; otherwise the logo goes out and a
    // message tells the outcome.
    void cmdSend_Click();
    void cmdGetPhoneNum_Click();
    void cmdGetMessageCntr_Click();
    void cmdCancel_Click();

    QLabel *picReal = nullptr;  // the logo at its real size, one pixel a pixel
    QLabel *lblNumber = nullptr;
    QLineEdit *txtNumber = nullptr;
    QLabel *lblMessageCntr = nullptr;
    QLineEdit *txtMessageCntr = nullptr;
    QPushButton *cmdGetPhoneNum = nullptr;
    QPushButton *cmdGetMessageCntr = nullptr;
    QPushButton *cmdSend = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    VelkorControl *velk_;
    SharedValues &values_;
    MessageService &messages_;
    LogoDocument &doc_;
    QString netCode_;
    std::function<void()> canvasToLogo_;
    OpenPhonebook openPhonebook_;
};

}  // namespace glyphsmith
