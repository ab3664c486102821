// The options dialog: the phone cable's port ("ComPort") and the logo kind
// shown at start-up ("DefaultLogo"). OK writes each non-empty text; Cancel
// writes nothing.
#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace glyphsmith {

class PortProber;

// The port offered for the engine's built-in virtual phone.
inline constexpr char kVirtualPort[] = "VIRTUAL";

class FrmOptions : public QDialog {
    Q_OBJECT
public:
    // Fills the lists at once: the ports from the current setting, then
    // every port `ports` finds, then the virtual phone. `ports` may be null
    // (no serial ports listed).
    FrmOptions(const QString &settingsFile, PortProber *ports, QWidget *parent = nullptr);

    void cmdOK_Click();
    void cmdCancel_Click();

private:
    void Form_Load(PortProber *ports);

    QString settingsFile_;
    QComboBox *cmbPort_;
    QComboBox *cmbLogoScreens_;
};

}  // namespace glyphsmith
