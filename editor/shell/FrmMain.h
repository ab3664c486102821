// The main window: the phone picture holding the logo at its real size, the
// zoomed grid the user draws on, the tool box, the buttons and menus, the
// status bar, and the one phone control `Velk` through which the editor
// reaches the phone.
//
// The window's members are spread over one file per area:
//   shell/FrmMain.cpp             construction, layout, start-up, shutdown
//   shell/FrmMainControls.cpp     the controls and their handler connections
//   shell/FrmMainWindows.cpp      the dialogs the shell opens (about, options, help)
//   canvas/FrmMainCanvas.cpp      the canvas, New and the kind switch
//   canvas/FrmMainTools.cpp       tool buttons, the zoomed view's mouse handlers
//   canvas/FrmMainSelection.cpp   area selector, floating picture, Delete
//   canvas/FrmMainLogoOps.cpp     flips, inverse, undo
//   canvas/FrmMainDrawingControls.cpp  rubber bands, pointer pictures, text dialog
//   files/FrmMainFiles.cpp        logo files, canvas <-> logo object
//   files/FrmMainStartupOpen.cpp  the logo file named on the command line
//   phone/FrmMainPhone.cpp        connection, status bar, restart, clock
//   phone/FrmMainTransfer.cpp     download and upload
//   phone/FrmMainMessaging.cpp    sending, startup text, phonebook, phone info
//   capture/FrmMainCapturePending.cpp screen capture
//   ringtones/FrmMainRingtonesPending.cpp ring tone manager
//
// Positions inside the client area (below the menu bar) are in pixels.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include "canvas/LogoDocument.h"
#include "canvas/SelectionState.h"
#include "canvas/ToolState.h"
#include "shell/EditorEnvironment.h"
#include "shell/SharedValues.h"

class QAction;
class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class VelkorControl;

namespace glyphsmith {

class FloatingPicture;
class FrameBox;
class FrmAbout;
class FrmDrawText;
class HelpWindow;
class LineControl;
class PreviewBox;
class ShapeControl;
class ZoomView;
struct KindLayout;

class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    // `commandLine`: the text after the program's name, taken whole as the
    // path of a logo file to open at start-up (empty: none).
    explicit FrmMain(EditorEnvironment env, const QString &commandLine = QString(),
                     QWidget *parent = nullptr);
    ~FrmMain() override;

    // Runs the load routine, then the creation routine (the window shows
    // itself during the load routine).
    void startUp();

    LogoDocument &document() { return doc_; }
    const EditorEnvironment &environment() const { return env_; }
    // Height of the client area below the menu bar for the current kind.
    int clientHeight() const;

    // ---- start-up and shutdown (shell/FrmMain.cpp) ----
    void Form_Load();
    void Form_Initialize();
    // Runs whenever the window is about to close; the close is never cancelled.
    void Form_QueryUnload();
    void Form_MouseMove();
    void mnuExit_Click();

    // ---- menus that lead to a button or a window (shell/) ----
    void mnuViewOpt_Click();
    void mnuViewCG_Click();
    void mnuViewPic_Click();
    void mnuViewStartup_Click();
    void mnuSendText_Click();
    void mnuEditRingtone_Click();
    void mnuPhonebook_Click();
    void mnuRestart_Click();
    void mnuOptions_Click();
    void mnuContents_Click();
    void mnuAbout_Click();

    // ---- document and canvas (canvas/FrmMainCanvas.cpp) ----
    void optOperator_Click();
    void optCallerGroup_Click();
    void optPicture_Click();
    void optStartup_Click();
    // Rebuilds the zoomed view from the preview, outlines the preview and
    // refreshes the first undo buffer.
    void RedrawCanvas();
    // Asks whether to save a modified logo; Yes saves.
    void AskSaveChanges();
    void mnuNew_Click();
    void cmdNew_Click();
    // Both pictures cleared, the grid drawn, both repainted.
    void BlankCanvas();

    // ---- drawing tools, selection, undo (canvas/) ----
    void ResetTools();
    void TakeUndoSnapshot();
    void ClearUndo();
    void ClearOutsideLogo();
    void cmdPencil_Click();
    void cmdErasor_Click();
    void cmdFill_Click();
    void cmdLine_Click();
    void cmdEmptyBox_Click();
    void cmdFullBox_Click();
    void cmdEmptyCircle_Click();
    void cmdFullCircle_Click();
    void cmdText_Click();
    void cmdSelector_Click();
    void cmdInverse_Click();
    void cmdFlipHorizontal_Click();
    void cmdFlipVertical_Click();
    void cmdUndo_Click();
    void Timer1_Timer();
    // X, Y in zoomed-view pixels; Button 1 left, 2 right, 4 middle; Shift
    // 1 Shift, 2 Ctrl, 4 Alt.
    void picContainer_MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void picContainer_MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void picContainer_MouseUp(qint16 Button, qint16 Shift, float X, float Y);
    void picContainer_KeyDown(qint16 KeyCode, qint16 Shift);
    // X, Y in the floating picture's own pixels.
    void picMove_MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void picMove_MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void picMove_MouseUp(qint16 Button, qint16 Shift, float X, float Y);
    // The drawing colour: the background of PicMseColor.
    QRgb drawingColor() const;
    // The text tool's dialog, created on first use and kept.
    FrmDrawText *frmDrawText();
    ToolState tools;
    SelectionState selection;

    // ---- logo files (files/) ----
    void mnuOpen_Click();
    void cmdOpen_Click();
    void mnuSave_Click();
    void CmdSave_Click();
    void mnuSaveAs_Click();
    void LogoToCanvas();
    void CanvasToLogo();
    // Opens the logo file named on the command line; true when it selected a
    // logo kind.
    bool OpenStartupFile(const QString &sCommandLine);

    // ---- phone connection and status (phone/FrmMainPhone.cpp) ----
    // Brings the link up and refreshes the status bar; never shows a message.
    void ConnectPhone();
    // Runs ConnectPhone when the link is dead (before every phone command).
    void EnsureConnected();
    void cmdReset_Click();
    void tmrTimes_Timer();
    // The phone's capability letters ("" when they cannot be read).
    QString PhoneCapabilities();
    // The port text the next connect uses (before the protocol letter).
    QString ConnectPort() const;

    // ---- logo transfer (phone/) ----
    void cmdDownload_Click();
    void cmdUpload_Click();
    void UploadLogo(qint16 iLocation);

    // ---- sending, startup text, phonebook, phone information (phone/) ----
    void cmdSendLogo_Click();
    void cmdSendSms_Click();
    void cmdStartupText_Click();
    void cmdPhonebook_Click();
    void mnuViewInfo_Click();
    // Shows the phonebook window modally over `parent`.
    void openPhonebook(QWidget *parent);

    // ---- screen capture and ring tones ----
    void cmdSnap_Click();
    void cmdRingtones_Click();

    // ---- controls (object names as named) ----
    VelkorControl *Velk = nullptr;

    QMenu *mnuFile = nullptr;
    QMenu *mnuView = nullptr;
    QMenu *mnuTools = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuNew = nullptr, *mnuOpen = nullptr, *mnuSave = nullptr, *mnuSaveAs = nullptr,
            *mnuExit = nullptr;
    QAction *mnuViewOpt = nullptr, *mnuViewCG = nullptr, *mnuViewPic = nullptr,
            *mnuViewStartup = nullptr, *mnuViewInfo = nullptr;
    QAction *mnuSendText = nullptr, *mnuEditRingtone = nullptr, *mnuPhonebook = nullptr,
            *mnuRestart = nullptr, *mnuOptions = nullptr;
    QAction *mnuContents = nullptr, *mnuAbout = nullptr;

    QPushButton *cmdNew = nullptr, *cmdOpen = nullptr, *CmdSave = nullptr, *cmdUndo = nullptr,
                *cmdDownload = nullptr, *cmdUpload = nullptr, *cmdSendLogo = nullptr,
                *cmdSendSms = nullptr, *cmdStartupText = nullptr, *cmdPhonebook = nullptr,
                *cmdRingtones = nullptr, *cmdSnap = nullptr, *cmdReset = nullptr;
    QRadioButton *optOperator = nullptr, *optCallerGroup = nullptr, *optPicture = nullptr,
                 *optStartup = nullptr;
    QLabel *lblEdit = nullptr, *lblPath = nullptr, *lblNetCode = nullptr;
    QLineEdit *txtNetCode = nullptr;

    QLabel *picPhone = nullptr, *picAntenna = nullptr, *picBattery = nullptr,
           *picMenuNames = nullptr, *lblPhoneTime = nullptr;
    PreviewBox *picReal = nullptr;
    FrameBox *shpPreviewFrame = nullptr;  // the outline just outside the preview
    ZoomView *picContainer = nullptr;
    FrameBox *Shape2 = nullptr;

    QFrame *fraToolBox = nullptr;
    QPushButton *cmdSelector = nullptr, *cmdPencil = nullptr, *cmdErasor = nullptr,
                *cmdFill = nullptr, *cmdLine = nullptr, *cmdFullBox = nullptr,
                *cmdEmptyBox = nullptr, *cmdFullCircle = nullptr, *cmdEmptyCircle = nullptr,
                *cmdText = nullptr, *cmdFlipVertical = nullptr, *cmdFlipHorizontal = nullptr,
                *cmdInverse = nullptr;
    QRadioButton *OptCut = nullptr, *OptCopy = nullptr;
    FrameBox *shSel = nullptr;           // marks the chosen tool
    ShapeControl *Shape1 = nullptr;      // rubber band of the box and ellipse tools
    LineControl *Line2 = nullptr;        // rubber band of the line tool
    ShapeControl *shRect = nullptr;      // the selection rectangle
    FloatingPicture *picMove = nullptr;  // the selection's floating picture
    QLabel *picPencil = nullptr, *picEraser = nullptr, *picFlood = nullptr, *picA = nullptr,
           *picHand = nullptr;       // hidden, carry the view's pointer images
    QWidget *PicMseColor = nullptr;  // hidden, its background is the drawing colour

    QFrame *fraStatusBar = nullptr;
    QLineEdit *txtStat1 = nullptr, *txtStat2 = nullptr, *txtStat3 = nullptr, *txtStat5 = nullptr,
              *txtStat6 = nullptr;
    QLabel *picStat5 = nullptr;

    QTimer *tmrTimes = nullptr;          // 10000 ms clock, running from start
    QTimer *Timer1 = nullptr;            // 500 ms selection outline, off at start
    QTimer *tmrChkConnection = nullptr;  // 60000 ms, never enabled

    // ---- editor state shared with the other windows ----
    // The message centre read at start-up, the number picked in the
    // phonebook window.
    SharedValues &sharedValues() { return values_; }
    QImage picTest;  // scratch picture of the screen capture

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildPhone();
    void buildCanvas();
    void buildToolBox();
    void buildStatusBar();
    void connectHandlers();
    // Places the kind-dependent controls and sizes the window.
    void applyLayout(const KindLayout &layout);
    // The kind switch shared by the four option buttons.
    void switchKind(int kind);
    // Hourglass (true) or normal (false) mouse pointer over the application.
    void setHourglass(bool on);
    void setConnectionIcon(int id);
    // The reconnect guard; true when the link is up afterwards.
    bool guardConnection();
    MessageService &messageService();
    // Drawing side (canvas/): controls, the steps every tool button shares,
    // the parts of the mouse handlers, the commit after a shape.
    void buildDrawingControls();
    void chooseTool(QPushButton *button, QLabel *pointer, bool takeFocus);
    bool beyondView(float X, float Y) const;
    void commitDrawing();
    void releaseShape(float X, float Y);
    void textToolPress(float X, float Y);
    void floodFillPress(float X, float Y);
    void selectorMouseDown(float X, float Y);
    void selectorMouseMove(float X, float Y);
    void selectorMouseUp();
    void copySelectionToClipboard();
    // The logo size the library's logo object gives for the current kind.
    QSize libraryLogoSize();
    void wholeLogoOperation(void (*operation)(LogoDocument &, int, int));

    EditorEnvironment env_;
    SharedValues values_;
    QString commandLine_;
    QString helpFilePath_;  // "HelpFilePath", read at load
    LogoDocument doc_;
    QWidget *client_ = nullptr;
    QButtonGroup *kindGroup_ = nullptr;
    QButtonGroup *cutCopyGroup_ = nullptr;
    int clientHeight_ = 0;
    bool hourglass_ = false;
    bool connecting_ = false;
    bool unloaded_ = false;
    QPointer<FrmAbout> frmAbout_;
    QPointer<HelpWindow> help_;
    QPointer<FrmDrawText> frmDrawText_;
};

}  // namespace glyphsmith
