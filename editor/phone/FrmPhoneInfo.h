// "Phone Information": the network and identification of the connected
// phone, read once as the window is created. It shows whatever the control
// gives, empty texts included, and does not connect first.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class VelkorControl;

namespace glyphsmith {

class FrmPhoneInfo : public QDialog {
    Q_OBJECT
public:
    explicit FrmPhoneInfo(VelkorControl *velk, QWidget *parent = nullptr);

    // Fills the value labels; a value that cannot be read stays empty.
    void Form_Load();
    void cmdExit_Click();

    QGroupBox *fraPhone = nullptr;
    QLabel *lblProvider = nullptr;
    QLabel *lblCellId = nullptr;
    QLabel *lblLAC = nullptr;
    QLabel *lblIMEI = nullptr;
    QLabel *lblModel = nullptr;
    QLabel *lblSWRev = nullptr;
    QLabel *lblSWDate = nullptr;
    QPushButton *cmdExit = nullptr;

private:
    VelkorControl *velk_;
};

}  // namespace glyphsmith
