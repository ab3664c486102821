// "Ringtone Manager": opens, reads and writes ring tone text files, edits
// the name, notes, tempo and style of the shared ring tone object of the
// phone control, plays it (a second click on Play stops it), reverses and
// transposes it, exports it as WAV or MIDI, uploads it to the phone and
// sends it by SMS. The window holds no ring tone data: its boxes are filled
// from the ring tone object and written back into it.
//
// Handlers skip a failing step and go on, except Open and Write, which end
// at the first failure (a cancelled file dialog included).
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "shell/HourglassCursor.h"
#include "ringtones/RingToneNote.h"

class FBRingTone;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class VelkorControl;

namespace glyphsmith {

class MessageService;
struct SharedValues;

class FrmRingtone : public QDialog {
    Q_OBJECT
public:
    // What the window takes from its host beyond the control and the shared
    // values. Unset members fall back to: message boxes on screen, the
    // "MyRingtones" folder of the home folder, the control's own
    // capabilities, and no reconnection.
    struct Host {
        std::shared_ptr<MessageService> messages;
        QString ringtonesFolder;
        std::function<QString()> phoneCapabilities;
        // Brings the link up when it is dead (run by Form_Load).
        std::function<void()> connectPhone;
    };

    // `velk` and `values` must outlive the window. `pickPhonebookNumber`
    // shows the phonebook and returns the number picked ("" for none).
    FrmRingtone(VelkorControl *velk, SharedValues &values,
                std::function<QString()> pickPhonebookNumber, Host host = {},
                QWidget *parent = nullptr);
    ~FrmRingtone() override;

    // Connects when needed, selects "Midi", takes the message centre from
    // the SMS object and reads the file in txtRingtonePath. Run by the host
    // each time it shows the window.
    void Form_Load();

    void cmdOpen_Click();
    void cmdRead_Click();
    void cmdWrite_Click();
    void cmdReverse_Click();
    void cmdPlay_Click();
    void cmdUpload_Click();
    void cmdSendSms_Click();
    void cmdGetPhoneNum_Click();
    void cmdGetMessageCntr_Click();
    void cmdExit_Click();
    void hscTempo_Change();
    void optStyle_Click(int index);
    // Moves every note by `semitones` (the buttons use +1 and -1).
    void transpose(int semitones);
    void cmdExport_Click();

    bool isPlaying() const { return bPlaying; }

    QLabel *lblRingtonePath = nullptr;
    QLineEdit *txtRingtonePath = nullptr;
    QPushButton *cmdOpen = nullptr;
    QLabel *lblName = nullptr;
    QLineEdit *txtName = nullptr;
    QPlainTextEdit *txtNotes = nullptr;
    QLabel *lblNoteError = nullptr;  // the first note the engine cannot read
    QLabel *lblSize = nullptr;       // the tune's size as a smart message
    QLabel *lblStatus = nullptr;     // outcomes and the no-audio note
    QPushButton *cmdRead = nullptr, *cmdWrite = nullptr, *cmdReverse = nullptr,
                *cmdUpload = nullptr, *cmdPlay = nullptr, *cmdExport = nullptr,
                *cmdTransposeDown = nullptr, *cmdTransposeUp = nullptr;
    QComboBox *cmbDevice = nullptr;
    QLabel *lblLocNum = nullptr;
    QComboBox *cmbLocNum = nullptr;
    QGroupBox *fraTempo = nullptr;
    QScrollBar *hscTempo = nullptr;
    QLabel *lblTempo = nullptr;
    QGroupBox *fraStyle = nullptr;
    QRadioButton *optStyle[3] = {};
    QGroupBox *fraSendRingTone = nullptr;
    QLabel *lblNumber = nullptr;
    QLineEdit *txtNumber = nullptr;
    QPushButton *cmdGetPhoneNum = nullptr;
    QLabel *lblMessageCntr = nullptr;
    QLineEdit *txtMessageCntr = nullptr;
    QPushButton *cmdGetMessageCntr = nullptr;
    QPushButton *cmdSendSms = nullptr;
    QPushButton *cmdExit = nullptr;

    static constexpr int kMinTempo = 25;
    static constexpr int kMaxTempo = 900;

    // Every way of closing ends here: a running play is asked to stop and a
    // connected phone is disconnected.
    void done(int result) override;

private:
    void build();
    void buildSendFrame();
    FBRingTone *tone();
    void showTone(const QString &name, const QString &notes);
    void showFromObject();
    // Store ring tone; the first note the engine refused, if any.
    std::optional<NoteProblem> store(bool reversed = false);
    // Stores the ring tone; false (with a message naming the first bad
    // note) when a note cannot be read, so the command must not go on.
    bool storeReadable(const QString &command);
    void readFile();
    void refreshChecks();
    void setHourglass(bool on);
    void inform(const QString &text);
    void setStatus(const QString &text);

    VelkorControl *velk_;
    SharedValues &values_;
    std::function<QString()> pickPhonebookNumber_;
    Host host_;
    QString sCurrentPath;
    bool bPlaying = false;
    HourglassCursor hourglass_;
    bool audioNoted_ = false;
};

}  // namespace glyphsmith
