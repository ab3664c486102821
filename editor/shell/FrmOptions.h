// The options dialog: the phone cable's port ("ComPort") and the logo kind
// shown at start-up ("DefaultLogo"). OK writes each non-empty text; Cancel
// writes nothing.
#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace glyphsmith {

class PortProber;

// The port offered for the engine's built-in virtual phone.
inline constexpr char kVirtualPort[] = "VIRTUAL";

class FrmOptions : public QDialog {
    Q_OBJECT
public:
    // Tries a port text and gives a report in plain words.
    using ConnectionTester = std::function<QString(const QString &port)>;

    // Fills the lists at once: the ports from the current setting, then
    // every port `ports` finds, then the virtual phone. `ports` may be null
    // (no serial ports listed). Without `tester` the "Test connection"
    // button is disabled.
    FrmOptions(const QString &settingsFile, PortProber *ports, QWidget *parent = nullptr,
               ConnectionTester tester = {});

    void cmdOK_Click();
    void cmdCancel_Click();
    // Tests the port in the port box and shows the report below the fields.
    void cmdTestConnection_Click();

private:
    void Form_Load(PortProber *ports);

    QString settingsFile_;
    QComboBox *cmbPort_;
    QComboBox *cmbLogoScreens_;
    QPlainTextEdit *txtTestReport_;
    ConnectionTester tester_;
};

}  // namespace glyphsmith
