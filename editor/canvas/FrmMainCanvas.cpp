// The main window's document display: the kind switch, the redraw of the
// zoomed view, New and the question before a modified logo is dropped.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "canvas/FrameBox.h"
#include "canvas/KindLayout.h"
#include "canvas/PreviewBox.h"
#include "canvas/ZoomView.h"
#include "document/LogoKind.h"
#include "phone/PhoneSession.h"
#include "shell/FrmMain.h"

namespace glyphsmith {

void FrmMain::optOperator_Click() {
    switchKind(kOperatorLogo);
}

void FrmMain::optCallerGroup_Click() {
    switchKind(kCallerGroupLogo);
}

void FrmMain::optPicture_Click() {
    switchKind(kPictureMessage);
}

void FrmMain::optStartup_Click() {
    switchKind(kStartupLogo);
}

void FrmMain::switchKind(LogoKind kind) {
    QRadioButton *const options[kLogoKindCount] = {optOperator, optCallerGroup, optPicture,
                                                   optStartup};
    const LogoKindInfo &info = logoKindInfo(kind);
    options[info.kind]->setChecked(true);
    doc_.setKind(info.kind);

    const bool allowed = phone_->transfersAllowed(info.kind);
    cmdUpload->setEnabled(allowed);
    cmdDownload->setEnabled(allowed);

    applyLayout(kindLayout(info.kind));
    RedrawCanvas();
    // what lies outside the new size is cleared; what fits carries over
    doc_.clearPreviewOutside(info.width, info.height);
    doc_.notifyChanged();
    doc_.setLogoSize(info.width, info.height);
    doc_.setPath(QString());
}

void FrmMain::RedrawCanvas() {
    doc_.redrawCanvas();
    history_.setLatest(doc_.preview());
    shpPreviewFrame->setGeometry(picReal->geometry().adjusted(-1, -1, 1, 1));
    shpPreviewFrame->show();
    shpPreviewFrame->update();
}

void FrmMain::BlankCanvas() {
    doc_.blankCanvas();
}

void FrmMain::AskSaveChanges() {
    if (doc_.isModified() && env_.messages &&
        env_.messages->askYesNo(this, QStringLiteral("Save As"),
                                QStringLiteral("Save current edited logo?"))) {
        mnuSave_Click();
    }
}

void FrmMain::mnuNew_Click() {
    setHourglass(true);
    AskSaveChanges();
    EnsureConnected();
    clearDocument();
    setHourglass(false);
}

void FrmMain::clearDocument() {
    doc_.setModified(false);
    doc_.setPath(QString());
    ClearUndo();
    ResetTools();
    picTest = QImage();
    BlankCanvas();
    lblPath->setText(QStringLiteral("Untitled"));
    update();
    cmdPencil_Click();
}

void FrmMain::cmdNew_Click() {
    mnuNew_Click();
    cmdPencil_Click();
    picContainer->setFocus();
    txtStat1->setText(QStringLiteral("Ready"));
}

}  // namespace glyphsmith
