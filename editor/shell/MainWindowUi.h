// The main window's controls, each under its object name. The window makes
// them and its Qt children own them; this struct only names them, so that the
// window's code reaches its controls by name and everything else through
// FrmMain::ui().
#pragma once

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;
class VelkorControl;

namespace glyphsmith {

class FloatingPicture;
class FrameBox;
class LineControl;
class PreviewBox;
class ShapeControl;
class ZoomView;

struct MainWindowUi {
    VelkorControl *Velk = nullptr;

    QMenu *mnuFile = nullptr;
    QMenu *mnuView = nullptr;
    QMenu *mnuTools = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuNew = nullptr, *mnuOpen = nullptr, *mnuSave = nullptr, *mnuSaveAs = nullptr,
            *mnuExit = nullptr;
    QAction *mnuImportPicture = nullptr, *mnuExport = nullptr;
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
};

}  // namespace glyphsmith
