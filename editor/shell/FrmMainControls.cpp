// The main window's controls: menus, buttons, the phone picture, the canvas,
// the tool box and the status bar, each under its own object name, and the
// connection of every control to its handler.
#include <QAction>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "canvas/FrameBox.h"
#include "canvas/KindLayout.h"
#include "canvas/PreviewBox.h"
#include "canvas/ZoomView.h"
#include "shell/Artwork.h"
#include "shell/ButtonIcons.h"
#include "shell/FrmMain.h"
#include "shell/HandlerScope.h"
#include "shell/PixelTextLabel.h"
#include "tools/ToolBox.h"

namespace glyphsmith {

namespace {

QPushButton *makeButton(QWidget *parent, const char *name, ButtonIcon icon, const QString &tip,
                        const QRect &geometry) {
    auto *b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(ButtonIcons::icon(icon));
    b->setIconSize(QSize(ButtonIcons::kSize, ButtonIcons::kSize));
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::TabFocus);
    b->setGeometry(geometry);
    return b;
}

QAction *makeAction(QMenu *menu, const char *name, const char *text) {
    QAction *a = menu->addAction(QString::fromLatin1(text));
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

void nameSeparator(QMenu *menu, const char *name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

QLineEdit *makeStatusBox(QWidget *parent, const char *name, int left, int width) {
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setGeometry(left, 1, width, 18);
    return box;
}

QLabel *makePicture(QWidget *parent, const char *name, const QPixmap &pixmap, const QRect &r) {
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(r);
    return label;
}

}  // namespace

void FrmMain::buildMenus() {
    QMenuBar *bar = menuBar();
    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNew = makeAction(mnuFile, "mnuNew", "&New");
    mnuOpen = makeAction(mnuFile, "mnuOpen", "&Open");
    nameSeparator(mnuFile, "sep1");
    mnuSave = makeAction(mnuFile, "mnuSave", "&Save");
    mnuSaveAs = makeAction(mnuFile, "mnuSaveAs", "Save &As");
    nameSeparator(mnuFile, "sepPicture");
    mnuImportPicture = makeAction(mnuFile, "mnuImportPicture", "&Import Picture...");
    mnuExport = makeAction(mnuFile, "mnuExport", "E&xport...");
    nameSeparator(mnuFile, "sep2");
    mnuExit = makeAction(mnuFile, "mnuExit", "&Exit");

    mnuView = bar->addMenu(QStringLiteral("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuViewOpt = makeAction(mnuView, "mnuViewOpt", "&Operator logo");
    mnuViewCG = makeAction(mnuView, "mnuViewCG", "&CallerGroup logo");
    mnuViewPic = makeAction(mnuView, "mnuViewPic", "&Picture logo");
    mnuViewStartup = makeAction(mnuView, "mnuViewStartup", "&Startup logo");
    nameSeparator(mnuView, "sep3");
    mnuViewInfo = makeAction(mnuView, "mnuViewInfo", "Phone &info");

    mnuTools = bar->addMenu(QStringLiteral("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuSendText = makeAction(mnuTools, "mnuSendText", "Send &text message");
    mnuEditRingtone = makeAction(mnuTools, "mnuEditRingtone", "&Edit ringtones");
    mnuPhonebook = makeAction(mnuTools, "mnuPhonebook", "Explore &phonebook");
    mnuRestart = makeAction(mnuTools, "mnuRestart", "&Restart phone");
    nameSeparator(mnuTools, "sep5");
    mnuOptions = makeAction(mnuTools, "mnuOptions", "&Options");

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuContents = makeAction(mnuHelp, "mnuContents", "&Contents");
    nameSeparator(mnuHelp, "mnubar1");
    mnuAbout = makeAction(mnuHelp, "mnuAbout", "&About");

    // the platform's own keys for the file commands
    mnuNew->setShortcut(QKeySequence::New);
    mnuOpen->setShortcut(QKeySequence::Open);
    mnuSave->setShortcut(QKeySequence::Save);
    mnuSaveAs->setShortcut(QKeySequence::SaveAs);
    mnuExit->setShortcut(QKeySequence::Quit);
}

void FrmMain::buildToolbar() {
    struct ButtonDef {
        QPushButton **button;
        const char *name;
        ButtonIcon icon;
        const char *tip;
        int gapBefore;
    };
    const ButtonDef buttons[] = {
        {&cmdNew, "cmdNew", ButtonIcon::New, "New logo", 0},
        {&cmdOpen, "cmdOpen", ButtonIcon::Open, "Open", 0},
        {&CmdSave, "CmdSave", ButtonIcon::Save, "Save logo", 0},
        {&cmdUndo, "cmdUndo", ButtonIcon::Undo, "Undo", 8},
        {&cmdDownload, "cmdDownload", ButtonIcon::Download, "Download logo from phone", 8},
        {&cmdUpload, "cmdUpload", ButtonIcon::Upload, "Upload logo to phone", 0},
        {&cmdSendLogo, "cmdSendLogo", ButtonIcon::SendLogo,
         "Send logo to another phone via network", 8},
        {&cmdSendSms, "cmdSendSms", ButtonIcon::SendSms, "Send SMS message", 0},
        {&cmdStartupText, "cmdStartupText", ButtonIcon::StartupText, "Startup text", 0},
        {&cmdPhonebook, "cmdPhonebook", ButtonIcon::Phonebook, "View phonebook", 0},
        {&cmdRingtones, "cmdRingtones", ButtonIcon::Ringtones, "Manage ringtones", 8},
        {&cmdSnap, "cmdSnap", ButtonIcon::Snap, "Take snap-shot", 0},
        {&cmdReset, "cmdReset", ButtonIcon::Reset, "Restart phone", 8},
    };
    int x = 6;
    for (const ButtonDef &s : buttons) {
        x += s.gapBefore;
        *s.button =
            makeButton(client_, s.name, s.icon, QString::fromLatin1(s.tip), QRect(x, 2, 26, 26));
        x += 28;
    }
    cmdUndo->setEnabled(false);
    cmdUndo->setShortcut(QKeySequence::Undo);

    lblEdit = new QLabel(QStringLiteral("Icon being Edited:"), client_);
    lblEdit->setObjectName(QStringLiteral("lblEdit"));
    lblEdit->setGeometry(x + 12, 2, 104, 26);
    lblPath = new QLabel(QStringLiteral("Untitled"), client_);
    lblPath->setObjectName(QStringLiteral("lblPath"));
    lblPath->setGeometry(x + 118, 2, kMainClientWidth - x - 124, 26);
    QFont bold = lblPath->font();
    bold.setBold(true);
    lblPath->setFont(bold);

    kindGroup_ = new QButtonGroup(this);
    struct Option {
        QRadioButton **button;
        const char *name;
        const char *caption;
        int width;
    };
    const Option options[] = {
        {&optOperator, "optOperator", "Operator logo", 104},
        {&optCallerGroup, "optCallerGroup", "Callergroup logo", 120},
        {&optPicture, "optPicture", "Picturemessage logo", 144},
        {&optStartup, "optStartup", "Startup logo", 100},
    };
    x = 10;
    for (const Option &o : options) {
        *o.button = new QRadioButton(QString::fromLatin1(o.caption), client_);
        (*o.button)->setObjectName(QString::fromLatin1(o.name));
        (*o.button)->setGeometry(x, 29, o.width, 18);
        kindGroup_->addButton(*o.button);
        x += o.width;
    }
    lblNetCode = new QLabel(QStringLiteral("Network code:"), client_);
    lblNetCode->setObjectName(QStringLiteral("lblNetCode"));
    lblNetCode->setGeometry(530, 29, 80, 18);
    lblNetCode->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtNetCode = new QLineEdit(client_);
    txtNetCode->setObjectName(QStringLiteral("txtNetCode"));
    txtNetCode->setGeometry(614, 29, 86, 18);
    txtNetCode->setToolTip(QStringLiteral("Network code of an operator logo, as \"244 05\""));
}

void FrmMain::buildPhone() {
    picPhone = makePicture(client_, "picPhone", Artwork::phoneBody(), QRect(16, 48, 153, 209));
    shpPreviewFrame = new FrameBox(Qt::black, client_);
    shpPreviewFrame->setObjectName(QStringLiteral("shpPreviewFrame"));
    picAntenna = makePicture(client_, "picAntenna", Artwork::signalBar(), QRect(45, 176, 6, 45));
    picBattery = makePicture(client_, "picBattery", Artwork::batteryBar(), QRect(135, 174, 6, 45));
    picMenuNames =
        makePicture(client_, "picMenuNames", Artwork::softKeyCaptions(), QRect(46, 221, 95, 13));
    // placed inside the phone picture: (1325, 1755) twips, 420 x 120 twips
    lblPhoneTime = new PixelTextLabel(QStringLiteral("12:00"), picPhone);
    lblPhoneTime->setObjectName(QStringLiteral("lblPhoneTime"));
    lblPhoneTime->setGeometry(88, 117, 28, 8);
    lblPhoneTime->setAutoFillBackground(true);
    QPalette lcd = lblPhoneTime->palette();
    lcd.setColor(QPalette::Window, QColor::fromRgb(LogoDocument::kClearColor));
    lblPhoneTime->setPalette(lcd);
    QFont smallFonts(QStringLiteral("Small Fonts"));
    smallFonts.setPixelSize(8);
    lblPhoneTime->setFont(smallFonts);
}

void FrmMain::buildCanvas() {
    picReal = new PreviewBox(&doc_, client_);
    picReal->setObjectName(QStringLiteral("picReal"));
    Shape2 = new FrameBox(Qt::black, client_);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    picContainer = new ZoomView(&doc_, client_);
    picContainer->setObjectName(QStringLiteral("picContainer"));
}

void FrmMain::buildToolBox() {
    fraToolBox = new QFrame(client_);
    fraToolBox->setObjectName(QStringLiteral("fraToolBox"));
    fraToolBox->setFrameShape(QFrame::StyledPanel);
    fraToolBox->setFrameShadow(QFrame::Sunken);
    fraToolBox->resize(425, 45);
    int i = 0;
    // buttons 375 x 375 twips, left edges at 120 + 480 i twips, top 180 twips
    const auto place = [&](const char *name, ButtonIcon icon, const char *tip) {
        QPushButton *b = makeButton(fraToolBox, name, icon, QString::fromLatin1(tip),
                                    QRect(8 + 32 * i++, 12, 25, 25));
        b->setIconSize(QSize(18, 18));
        return b;
    };
    // the drawing tools, then the operations on the whole logo
    for (const ToolDef &t : ToolBox::tools()) {
        QPushButton *b = place(t.button, t.icon, t.tip);
        connect(b, &QAbstractButton::clicked, this, [this, name = t.button] { chooseTool(name); });
    }
    const auto tool = [this](const char *name) {
        return fraToolBox->findChild<QPushButton *>(QLatin1String(name));
    };
    cmdSelector = tool("cmdSelector");
    cmdPencil = tool("cmdPencil");
    cmdErasor = tool("cmdErasor");
    cmdFill = tool("cmdFill");
    cmdLine = tool("cmdLine");
    cmdFullBox = tool("cmdFullBox");
    cmdEmptyBox = tool("cmdEmptyBox");
    cmdFullCircle = tool("cmdFullCircle");
    cmdEmptyCircle = tool("cmdEmptyCircle");
    cmdText = tool("cmdText");
    cmdFlipVertical = place("cmdFlipVertical", ButtonIcon::FlipVertical, "Flip vertical");
    cmdFlipHorizontal = place("cmdFlipHorizontal", ButtonIcon::FlipHorizontal, "Flip horizontal");
    cmdInverse = place("cmdInverse", ButtonIcon::Inverse, "Inverse");

    cutCopyGroup_ = new QButtonGroup(this);
    OptCut = new QRadioButton(QStringLiteral("Cut"), client_);
    OptCut->setObjectName(QStringLiteral("OptCut"));
    OptCut->resize(52, 20);
    OptCopy = new QRadioButton(QStringLiteral("Copy"), client_);
    OptCopy->setObjectName(QStringLiteral("OptCopy"));
    OptCopy->resize(52, 20);
    cutCopyGroup_->addButton(OptCut);
    cutCopyGroup_->addButton(OptCopy);
    OptCut->setChecked(true);
    OptCut->hide();
    OptCopy->hide();
}

void FrmMain::buildStatusBar() {
    fraStatusBar = new QFrame(client_);
    fraStatusBar->setObjectName(QStringLiteral("fraStatusBar"));
    txtStat1 = makeStatusBox(fraStatusBar, "txtStat1", 2, 150);
    txtStat1->setText(QStringLiteral("Connecting..."));
    txtStat2 = makeStatusBox(fraStatusBar, "txtStat2", 154, 160);
    txtStat3 = makeStatusBox(fraStatusBar, "txtStat3", 316, 190);
    picStat5 = new QLabel(fraStatusBar);
    picStat5->setObjectName(QStringLiteral("picStat5"));
    picStat5->setAlignment(Qt::AlignCenter);
    picStat5->setGeometry(508, 1, 22, 18);
    setConnectionIcon(101);
    txtStat5 = makeStatusBox(fraStatusBar, "txtStat5", 532, 90);
    txtStat6 = makeStatusBox(fraStatusBar, "txtStat6", 624, 80);
    txtStat6->setAlignment(Qt::AlignCenter);
}

void FrmMain::connectHandlers() {
    overlay_ = SelectionOverlay{shRect, picMove, OptCut, OptCopy, Timer1};
    connect(&history_, &UndoHistory::canUndoChanged, cmdUndo, &QWidget::setEnabled);
    connect(&doc_, &LogoDocument::changed, this, &FrmMain::showCells);

    const auto onAction = [this](QAction *a, void (FrmMain::*handler)()) {
        connect(a, &QAction::triggered, this, [this, handler] {
            const HandlerScope busy(*this);
            (this->*handler)();
        });
    };
    onAction(mnuNew, &FrmMain::mnuNew_Click);
    onAction(mnuOpen, &FrmMain::mnuOpen_Click);
    onAction(mnuSave, &FrmMain::mnuSave_Click);
    onAction(mnuSaveAs, &FrmMain::mnuSaveAs_Click);
    onAction(mnuExit, &FrmMain::mnuExit_Click);
    onAction(mnuImportPicture, &FrmMain::mnuImportPicture_Click);
    onAction(mnuExport, &FrmMain::mnuExport_Click);
    onAction(mnuViewOpt, &FrmMain::mnuViewOpt_Click);
    onAction(mnuViewCG, &FrmMain::mnuViewCG_Click);
    onAction(mnuViewPic, &FrmMain::mnuViewPic_Click);
    onAction(mnuViewStartup, &FrmMain::mnuViewStartup_Click);
    onAction(mnuViewInfo, &FrmMain::mnuViewInfo_Click);
    onAction(mnuSendText, &FrmMain::mnuSendText_Click);
    onAction(mnuEditRingtone, &FrmMain::mnuEditRingtone_Click);
    onAction(mnuPhonebook, &FrmMain::mnuPhonebook_Click);
    onAction(mnuRestart, &FrmMain::mnuRestart_Click);
    onAction(mnuOptions, &FrmMain::mnuOptions_Click);
    onAction(mnuContents, &FrmMain::mnuContents_Click);
    onAction(mnuAbout, &FrmMain::mnuAbout_Click);

    const auto onClick = [this](QAbstractButton *b, void (FrmMain::*handler)()) {
        connect(b, &QAbstractButton::clicked, this, [this, handler] {
            const HandlerScope busy(*this);
            (this->*handler)();
        });
    };
    onClick(cmdNew, &FrmMain::cmdNew_Click);
    onClick(cmdOpen, &FrmMain::cmdOpen_Click);
    onClick(CmdSave, &FrmMain::CmdSave_Click);
    onClick(cmdUndo, &FrmMain::cmdUndo_Click);
    onClick(cmdDownload, &FrmMain::cmdDownload_Click);
    onClick(cmdUpload, &FrmMain::cmdUpload_Click);
    onClick(cmdSendLogo, &FrmMain::cmdSendLogo_Click);
    onClick(cmdSendSms, &FrmMain::cmdSendSms_Click);
    onClick(cmdStartupText, &FrmMain::cmdStartupText_Click);
    onClick(cmdPhonebook, &FrmMain::cmdPhonebook_Click);
    onClick(cmdRingtones, &FrmMain::cmdRingtones_Click);
    onClick(cmdSnap, &FrmMain::cmdSnap_Click);
    onClick(cmdReset, &FrmMain::cmdReset_Click);
    onClick(optOperator, &FrmMain::optOperator_Click);
    onClick(optCallerGroup, &FrmMain::optCallerGroup_Click);
    onClick(optPicture, &FrmMain::optPicture_Click);
    onClick(optStartup, &FrmMain::optStartup_Click);
    onClick(cmdFlipVertical, &FrmMain::cmdFlipVertical_Click);
    onClick(cmdFlipHorizontal, &FrmMain::cmdFlipHorizontal_Click);
    onClick(cmdInverse, &FrmMain::cmdInverse_Click);

    // the text tool's press opens a dialog: the press holds the window busy
    connect(picContainer, &ZoomView::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers mods, QPointF at) {
                const HandlerScope busy(*this);
                picContainer_MouseDown(button, mods, at);
            });
    connect(picContainer, &ZoomView::mouseMove, this, &FrmMain::picContainer_MouseMove);
    connect(picContainer, &ZoomView::mouseUp, this, &FrmMain::picContainer_MouseUp);
    connect(picContainer, &ZoomView::keyDown, this, &FrmMain::picContainer_KeyDown);
    connect(tmrTimes, &QTimer::timeout, this, &FrmMain::tmrTimes_Timer);
    connect(Timer1, &QTimer::timeout, this, &FrmMain::Timer1_Timer);
    // tmrChkConnection is never enabled and has no handler.

    // F1 opens the help file anywhere in the window
    auto *f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, &FrmMain::mnuContents_Click);
}

}  // namespace glyphsmith
