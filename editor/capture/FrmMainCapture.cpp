// The main window's picture commands: the screen capture (cmdSnap), Import
// Picture and Export. The algorithms live in imaging/, the windows here in
// capture/; this file only ties them to the document.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <exception>

#include "canvas/PreviewBox.h"
#include "canvas/ZoomView.h"
#include "capture/DocumentBitmap.h"
#include "capture/FrmExportLogo.h"
#include "capture/FrmImportPicture.h"
#include "capture/FrmZGetDesk.h"
#include "capture/PortalStillPicture.h"
#include "capture/ScreenSourceChoice.h"
#include "document/LogoKind.h"
#include "imaging/PictureFile.h"
#include "shell/FrmMain.h"
#include "velkor17/FBLogo.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

namespace {

const QString kTitle = QStringLiteral("Glyphsmith");

// The hidden picture box that receives the saved bitmap of capture window
// `column` (PicDesk1..3), made on first use below the visible area.
QLabel *pictureBox(QWidget *window, int column) {
    const QString name = QStringLiteral("PicDesk%1").arg(column);
    auto *box = window->findChild<QLabel *>(name);
    if (!box) {
        box = new QLabel(window);
        box->setObjectName(name);
        box->setGeometry(0, 2000, 90, 60);
        box->hide();
    }
    return box;
}

QStringList pictureFilters() {
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    }
    return {QStringLiteral("Pictures (%1)").arg(patterns.join(QLatin1Char(' '))),
            QStringLiteral("All files (*)")};
}

}  // namespace

void FrmMain::cmdSnap_Click() {
    // What can be read is settled first: when nothing can, the logo being
    // edited is kept and importing a file is offered instead.
    PortalStillPicture portal;
    const std::unique_ptr<ScreenSource> source =
        env_.screenSource ? env_.screenSource() : openScreenSource(portal);
    if (!source) {
        if (env_.messages &&
            env_.messages->askYesNo(
                this, QStringLiteral("Capture"),
                QStringLiteral("The screen cannot be read on this desktop, and no still "
                               "picture of it could be had.\n\nImport a picture from a file "
                               "instead (Import Picture...)?"))) {
            mnuImportPicture_Click();
        }
        return;
    }

    const int column = FrmZGetDesk::columnForKind(doc_.kind());
    for (int c = 1; c <= 3; ++c) {
        pictureBox(this, c)->clear();
    }
    // a new untitled document, without asking about unsaved changes
    clearDocument();
    picContainer->setFocus();
    try {
        Velk->Logo()->setLogoType(static_cast<fbLogoType>(fbLogoTypeForKind(doc_.kind())));
    } catch (const std::exception &) {
    }

    const QString bitmapPath = env_.paths.scratchBitmap();
    FrmZGetDesk capture(column, *source, bitmapPath, this);
    // with the main window hidden the capture window is the only one shown:
    // its closing must not end the program
    capture.setAttribute(Qt::WA_QuitOnClose, false);
    hide();
    capture.exec();
    show();
    if (capture.snapped().isNull()) {
        return;  // closed without Snap: the new blank logo stays
    }

    QImage picture(bitmapPath);
    if (picture.isNull()) {
        picture = capture.snapped();  // the folder could not be written
    }
    pictureBox(this, column)->setPixmap(QPixmap::fromImage(picture));
    try {
        Velk->SetLogoPicture(picture);
        LogoToCanvas();
    } catch (const std::exception &) {
    }
}

void FrmMain::mnuImportPicture_Click() {
    QFileDialog dialog(this, QStringLiteral("Import Picture"));
    dialog.setObjectName(QStringLiteral("ComDia"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(pictureFilters());
    dialog.setDirectory(QDir(env_.paths.logosFolder).exists() ? env_.paths.logosFolder
                                                              : QDir::homePath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    QString error;
    const QImage picture = readPictureFile(dialog.selectedFiles().first(), &error);
    if (picture.isNull()) {
        if (env_.messages) {
            env_.messages->information(
                this, kTitle, QStringLiteral("Problem reading picture file\n%1").arg(error));
        }
        return;
    }

    FrmImportPicture import(picture, QSize(doc_.logoWidth(), doc_.logoHeight()), this);
    if (import.exec() != QDialog::Accepted) {
        return;
    }
    paintBitmap(doc_, import.result());
    doc_.notifyChanged();
    doc_.setModified(true);
    TakeUndoSnapshot();
}

void FrmMain::mnuExport_Click() {
    const LogoBitmap logo = bitmapFromDocument(doc_);
    const QString name =
        doc_.path().isEmpty() ? QStringLiteral("logo") : QFileInfo(doc_.path()).completeBaseName();
    const QString folder =
        QDir(env_.paths.logosFolder).exists() ? env_.paths.logosFolder : QDir::homePath();
    FrmExportLogo dialog(folder, name, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QString error = exportLogo(logo, dialog.request());
    if (!error.isEmpty() && env_.messages) {
        env_.messages->information(this, kTitle,
                                   QStringLiteral("Problem exporting the logo\n%1").arg(error));
    }
}

}  // namespace glyphsmith
