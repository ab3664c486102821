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
//   canvas/FrmMainTools.cpp       choosing a tool, the view's mouse and keys,
//                                 what the tools reach (tools/)
//   canvas/FrmMainLogoOps.cpp     flips, inverse, undo
//   canvas/FrmMainDrawingControls.cpp  rubber bands, pointer pictures, text dialog
//   files/FrmMainFiles.cpp        Open, Save, Save As (LogoFileController reads
//                                 and writes, canvas <-> logo object)
//   files/FrmMainStartupOpen.cpp  the logo file named on the command line
//   phone/FrmMainPhone.cpp        the phone link (PhoneSession) and logo
//                                 transfer (LogoTransfer), restart, clock
//   phone/FrmMainMessaging.cpp    sending, startup text, phonebook, phone info
//   capture/FrmMainCapture.cpp    screen capture, picture import, export
//   ringtones/FrmMainRingtones.cpp ring tone manager
//
// Positions inside the client area (below the menu bar) are in pixels.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

#include "shell/HourglassCursor.h"
#include "document/LogoDocument.h"
#include "document/UndoHistory.h"
#include "shell/EditorEnvironment.h"
#include "shell/MainWindowUi.h"
#include "shell/SharedValues.h"
#include "tools/SelectionOverlay.h"
#include "tools/Tool.h"
#include "tools/ToolContext.h"

class QButtonGroup;

namespace glyphsmith {

class FrmAbout;
class FrmDrawText;
class FrmRingtone;
class HelpWindow;
class LogoFileController;
class LogoTransfer;
class PhoneSession;
struct KindLayout;
struct ToolDef;

class FrmMain : public QMainWindow, private MainWindowUi, private ToolContext {
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

    LogoDocument &document() override { return doc_; }
    UndoHistory &undoHistory() override { return history_; }
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
    // `at` in zoomed-view pixels.
    void picContainer_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPointF at);
    void picContainer_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, QPointF at);
    void picContainer_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPointF at);
    void picContainer_KeyDown(int qtKey, Qt::KeyboardModifiers mods);
    // `at` in the floating picture's own pixels.
    void picMove_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPointF at);
    void picMove_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, QPointF at);
    void picMove_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPointF at);
    // The drawing colour: the background of PicMseColor.
    QRgb drawingColor() const;
    // The text tool's dialog, created on first use and kept.
    FrmDrawText *frmDrawText();
    // The chosen tool and its tool box row; null after ResetTools.
    Tool *currentTool() const { return tool_.get(); }
    const ToolDef *currentToolDef() const { return toolDef_; }

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

    // ---- phone link, status and logo transfer (phone/FrmMainPhone.cpp) ----
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

    // ---- screen capture, picture import and export (capture/) ----
    void cmdSnap_Click();
    void mnuImportPicture_Click();
    void mnuExport_Click();

    // ---- ring tones ----
    void cmdRingtones_Click();

    // The window's controls, under their object names.
    const MainWindowUi &ui() const { return *this; }

    // The values the windows hand to each other; lives as long as the window.
    SharedValues &sharedValues() { return shared_; }
    QImage picTest;  // scratch picture of the screen capture

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
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
    // An untitled, unmodified, blank logo with nothing to undo and the pencil.
    void clearDocument();
    // The kind switch shared by the four option buttons.
    void switchKind(LogoKind kind);
    // Hourglass (true) or normal (false) mouse pointer over the application.
    void setHourglass(bool on);
    void setConnectionIcon(int id);
    // The phone session and the logo transfer, tied to the status bar.
    void buildPhoneLink();
    // Handlers that let window messages run (connect, dialogs) hold the
    // window busy: a close that arrives meanwhile closes the window, but its
    // deletion waits until the outermost handler returns.
    void enterHandler();
    void leaveHandler();
    friend class HandlerScope;
    // The reconnect guard; true when the link is up afterwards.
    bool guardConnection();
    MessageService &messageService();
    // Drawing side (canvas/): controls, the steps every tool button shares,
    // the parts of the mouse handlers, the commit after a shape.
    void buildDrawingControls();
    // The tool whose tool box button has this object name.
    void chooseTool(const char *button);
    bool beyondView(QPointF at) const;
    // ToolContext
    QRgb ink() const override;
    void repaintCells(const QRect &cells) override;
    // Repaints the view and the preview over these logo pixels.
    void showCells(const QRect &cells);
    void commit() override;
    void commitPainted() override;
    void redraw() override;
    void clearOutsideLogo() override;
    LineControl &lineBand() override;
    ShapeControl &shapeBand() override;
    SelectionOverlay &selectionOverlay() override;
    void setPointer(ToolCursors::Image image) override;
    void inform(const QString &text) override;
    FrmDrawText &textDialog() override;
    // The logo size the library's logo object gives for the current kind.
    QSize libraryLogoSize();
    void wholeLogoOperation(void (*operation)(LogoDocument &, int, int));

    EditorEnvironment env_;
    QString commandLine_;
    QString helpFilePath_;  // "HelpFilePath", read at load
    LogoDocument doc_;
    UndoHistory history_;
    std::unique_ptr<LogoFileController> files_;
    std::unique_ptr<PhoneSession> phone_;
    std::unique_ptr<LogoTransfer> transfer_;
    std::unique_ptr<Tool> tool_;
    const ToolDef *toolDef_ = nullptr;
    SelectionOverlay overlay_;
    SharedValues shared_;
    QWidget *client_ = nullptr;
    QButtonGroup *kindGroup_ = nullptr;
    QButtonGroup *cutCopyGroup_ = nullptr;
    int clientHeight_ = 0;
    HourglassCursor hourglass_;
    int busy_ = 0;
    bool deleteDeferred_ = false;
    bool unloaded_ = false;
    QPointer<FrmAbout> frmAbout_;
    QPointer<HelpWindow> help_;
    QPointer<FrmDrawText> frmDrawText_;
    QPointer<FrmRingtone> frmRingtone_;
};

}  // namespace glyphsmith
