#include "shell/FrmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "canvas/FrameBox.h"
#include "canvas/KindLayout.h"
#include "canvas/PreviewBox.h"
#include "canvas/ZoomView.h"
#include "document/LogoKind.h"
#include "files/LogoFileController.h"
#include "phone/LogoTransfer.h"
#include "phone/PendingControlCalls.h"
#include "phone/PhoneSession.h"
#include "shell/Artwork.h"
#include "shell/FirstRunSetup.h"
#include "shell/HandlerScope.h"
#include "shell/Resources.h"
#include "shell/Settings.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

namespace {

constexpr char kCaption[] = "Glyphsmith - https://glyphsmith.example.org";

}  // namespace

FrmMain::FrmMain(EditorEnvironment env, const QString &commandLine, QWidget *parent)
    : QMainWindow(parent), env_(std::move(env)), commandLine_(commandLine) {
    InitEditorResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowIcon(Artwork::windowIcon());
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("frmMainClient"));
    client_->setMouseTracking(true);
    client_->installEventFilter(this);
    setCentralWidget(client_);

    buildMenus();
    buildToolbar();
    buildPhone();
    buildCanvas();
    buildToolBox();
    buildStatusBar();
    buildDrawingControls();

    Velk = new VelkorControl(client_);
    Velk->setObjectName(QStringLiteral("Velk"));
    Velk->setGeometry(670, 250, 32, 32);
    Velk->hide();
    files_ = std::make_unique<LogoFileController>(doc_, *Velk);
    buildPhoneLink();

    tmrTimes = new QTimer(this);
    tmrTimes->setObjectName(QStringLiteral("tmrTimes"));
    tmrTimes->setInterval(10000);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    tmrChkConnection = new QTimer(this);
    tmrChkConnection->setObjectName(QStringLiteral("tmrChkConnection"));
    tmrChkConnection->setInterval(60000);

    connectHandlers();
    applyLayout(kindLayout(kOperatorLogo));
}

FrmMain::~FrmMain() {
    setHourglass(false);
}

void FrmMain::applyLayout(const KindLayout &layout) {
    picContainer->setGeometry(layout.picContainer);
    Shape2->setGeometry(layout.shape2);
    OptCut->move(layout.optCut);
    OptCopy->move(layout.optCopy);
    fraToolBox->move(layout.fraToolBox);
    picReal->move(layout.picReal);
    shpPreviewFrame->setGeometry(picReal->geometry().adjusted(-1, -1, 1, 1));
    for (QWidget *w : {static_cast<QWidget *>(picMenuNames), static_cast<QWidget *>(lblPhoneTime),
                       static_cast<QWidget *>(picBattery), static_cast<QWidget *>(picAntenna)}) {
        w->setVisible(layout.phoneDecorations);
    }
    clientHeight_ = clientHeightForTwips(layout.windowHeightTwips);
    fraStatusBar->setGeometry(0, layout.statusBarTop, kMainClientWidth,
                              clientHeight_ - layout.statusBarTop);
    for (QWidget *box : fraStatusBar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        box->resize(box->width(), std::max(fraStatusBar->height() - 2, 1));
    }
    // stacking, bottom to top: phone, preview outline, preview, decorations
    // (the bars and captions lie over the preview's part outside the logo)
    picPhone->lower();
    shpPreviewFrame->stackUnder(picReal);
    picAntenna->raise();
    picBattery->raise();
    picMenuNames->raise();
    Shape2->stackUnder(picContainer);
    client_->setFixedSize(kMainClientWidth, clientHeight_);
    const int menuHeight = menuBar()->sizeHint().height();
    setFixedSize(kMainClientWidth, menuHeight + clientHeight_);
}

int FrmMain::clientHeight() const {
    return clientHeight_;
}

void FrmMain::setHourglass(bool on) {
    hourglass_.set(on);
}

void FrmMain::enterHandler() {
    ++busy_;
}

void FrmMain::leaveHandler() {
    if (--busy_ == 0 && deleteDeferred_) {
        deleteDeferred_ = false;
        deleteLater();
    }
}

bool FrmMain::event(QEvent *event) {
    if (event->type() == QEvent::DeferredDelete && busy_ > 0) {
        deleteDeferred_ = true;
        return true;
    }
    return QMainWindow::event(event);
}

void FrmMain::startUp() {
    const HandlerScope busy(*this);
    Form_Load();
    Form_Initialize();
}

void FrmMain::Form_Load() {
    helpFilePath_ =
        ReadSetting(env_.paths.settingsFile, QString::fromLatin1(kRunStatus),
                    QString::fromLatin1(kKeyHelpFilePath), env_.paths.defaultHelpPath());
    RunFirstRunSetup(env_, this);
    BlankCanvas();
    RedrawCanvas();
    show();
    cmdPencil_Click();
    doc_.setKind(kOperatorLogo);
    shared_.sPhonebookNumber.clear();
    tmrTimes_Timer();
    tmrTimes->start();
    show();
    QCoreApplication::processEvents();
}

void FrmMain::Form_Initialize() {
    picReal->resize(LogoDocument::kPreviewWidth, LogoDocument::kPreviewHeight);
    picContainer->setGeometry(180, 60, LogoDocument::kViewWidth, LogoDocument::kViewHeight);
    Shape2->setGeometry(175, 55, 514, 298);
    doc_.setPath(QString());

    ConnectPhone();

    bool kindChosen = false;
    if (!commandLine_.isEmpty()) {
        kindChosen = OpenStartupFile(commandLine_);
    } else {
        const QString setting =
            ReadSetting(env_.paths.settingsFile, QString::fromLatin1(kRunStatus),
                        QString::fromLatin1(kKeyDefaultLogo), QStringLiteral("Operator Logo"));
        if (const auto kind = kindFromSettingName(setting)) {
            switchKind(*kind);
            kindChosen = true;
        }
    }
    if (!kindChosen) {
        optOperator_Click();
    }
    shared_.sSMSC = ReadMessageCentre(Velk);
}

void FrmMain::closeEvent(QCloseEvent *event) {
    Form_QueryUnload();
    event->accept();
}

void FrmMain::Form_QueryUnload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    static const char *const others[] = {
        "frmDrawText",     "frmAbout",        "frmBackground",   "frmInputIndex",
        "frmPhoneBook",    "frmPicIndex",     "frmRingtone",     "frmSendLogo",
        "frmSendSms",      "frmStartupText",  "FrmZGetDeskCol2", "FrmZGetDeskCol",
        "FrmZGetDeskCol1", "FrmZGetDeskCol3", "frmSplash",       "frmHelp",
    };
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const char *name : others) {
        for (QWidget *w : windows) {
            if (w != this && w->objectName() == QLatin1String(name)) {
                w->close();
            }
        }
    }
    QFile::remove(env_.paths.scratchBitmap());
    if (doc_.isModified() && env_.messages &&
        env_.messages->askYesNo(this, QStringLiteral("Logo Not Saved"),
                                QStringLiteral("Save current edited logo?"))) {
        mnuSaveAs_Click();
    }
}

void FrmMain::mnuExit_Click() {
    close();
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event) {
    if (watched == client_ && event->type() == QEvent::MouseMove) {
        Form_MouseMove();
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmMain::Form_MouseMove() {
    txtStat5->clear();
}

void FrmMain::mnuViewOpt_Click() {
    optOperator_Click();
}

void FrmMain::mnuViewCG_Click() {
    optCallerGroup_Click();
}

void FrmMain::mnuViewPic_Click() {
    optPicture_Click();
}

void FrmMain::mnuViewStartup_Click() {
    optStartup_Click();
}

void FrmMain::mnuSendText_Click() {
    cmdSendSms_Click();
}

void FrmMain::mnuEditRingtone_Click() {
    cmdRingtones_Click();
}

void FrmMain::mnuPhonebook_Click() {
    cmdPhonebook_Click();
}

void FrmMain::mnuRestart_Click() {
    cmdReset_Click();
}

}  // namespace glyphsmith
