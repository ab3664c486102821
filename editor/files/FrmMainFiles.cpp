// Logo files of the main window: Open, Save, Save As, and the exchange of
// pixels between the canvas and the control's shared logo object.
//
// Picture messages are kept in GSP text files that the editor reads and
// writes itself; the other kinds go through the logo object's ReadFile and
// WriteFile, whose formats belong to the engine. Opening never changes the
// kind: a file is always read as the kind being edited.
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <exception>

#include "canvas/LogoKind.h"
#include "canvas/PreviewBox.h"
#include "canvas/ZoomView.h"
#include "files/GspFile.h"
#include "files/LogoFileDialog.h"
#include "phone/RunStep.h"
#include "shell/FrmMain.h"
#include "velkor17/FBLogo.h"
#include "velkor17/VelkorControl.h"

namespace glyphsmith {

namespace {

const QString kTitle = QStringLiteral("Glyphsmith");

fbLogoType logoTypeOf(LogoKind kind) {
    return static_cast<fbLogoType>(fbLogoTypeForKind(kind));
}

}  // namespace

void FrmMain::LogoToCanvas() {
    setHourglass(true);
    const auto done = qScopeGuard([this] {
        picContainer->update();
        picReal->update();
        setHourglass(false);
    });
    FBLogo *logo = Velk->Logo();
    logo->setLogoType(logoTypeOf(doc_.iLogoKind));
    doc_.iLogoWidth = logo->Width();
    doc_.iLogoHeight = logo->Height();
    for (qint16 x = 0; x < doc_.iLogoWidth; ++x) {
        for (qint16 y = 0; y < doc_.iLogoHeight; ++y) {
            const bool clear = logo->Pixel(x, y) == 1;
            doc_.setPixel(x, y, clear ? LogoDocument::kClearColor : LogoDocument::kSetColor);
        }
    }
}

void FrmMain::CanvasToLogo() {
    FBLogo *logo = Velk->Logo();
    for (qint16 x = 0; x < doc_.iLogoWidth; ++x) {
        for (qint16 y = 0; y < doc_.iLogoHeight; ++y) {
            logo->setPixel(x, y, doc_.isPixelSet(x, y) ? 0 : 1);
        }
    }
}

void FrmMain::mnuOpen_Click() {
    EnsureConnected();
    const LogoKind kind = doc_.iLogoKind;
    const std::optional<QString> chosen = askOpenLogoPath(this, kind, env_.paths.logosFolder);
    if (!chosen) {
        return;
    }
    const QString path = *chosen;
    const auto problem = [this] {
        setHourglass(false);
        if (env_.messages) {
            env_.messages->information(this, kTitle, QStringLiteral("Problem reading image file"));
        }
    };

    if (kind == kPictureMessage) {
        setHourglass(true);
        const GspFile::ReadResult read =
            GspFile::read(path, doc_, doc_.iLogoWidth, doc_.iLogoHeight);
        picContainer->update();
        picReal->update();
        setHourglass(false);
        if (read == GspFile::ReadResult::CannotOpen) {
            problem();
            return;
        }
        if (read == GspFile::ReadResult::ShortFile) {
            return;  // the rows read so far stay; the document keeps its name
        }
        doc_.bModified = false;
        doc_.sLogoPath = path;
        lblPath->setText(path);
        return;
    }

    try {
        FBLogo *logo = Velk->Logo();
        logo->ReadFile(path);
        if (logo->LastError() != 0) {
            problem();
            return;
        }
        doc_.sLogoPath = path;
        lblPath->setText(path);
        LogoToCanvas();
    } catch (const std::exception &) {
        problem();
        return;
    }
    txtStat1->setText(QStringLiteral("Ready"));
    if (kind == kOperatorLogo || kind == kCallerGroupLogo) {
        doc_.clearPreviewOutside(72, 14);
        picReal->update();
    }
}

void FrmMain::cmdOpen_Click() {
    mnuOpen_Click();
    picContainer->setFocus();
    setHourglass(false);
}

void FrmMain::mnuSave_Click() {
    const LogoKind kind = doc_.iLogoKind;
    EnsureConnected();
    const auto normalPointer = qScopeGuard([this] { setHourglass(false); });
    if (doc_.sLogoPath.isEmpty()) {
        const std::optional<QString> chosen = askSaveLogoPath(this, kind, env_.paths.logosFolder);
        if (!chosen) {
            return;
        }
        doc_.sLogoPath = *chosen;
        setHourglass(true);
    }

    bool saved = false;
    if (kind == kPictureMessage) {
        // the logo object carries the kind of every save, this file too
        runStep([&] { Velk->Logo()->setLogoType(logoTypeOf(kind)); });
        saved = GspFile::write(doc_.sLogoPath, doc_, doc_.iLogoWidth, doc_.iLogoHeight);
    } else {
        try {
            // the kind is set only now: a reconnect by the guard reads the
            // phone's operator logo into the object, and so may a message
            // received while the dialog was open
            FBLogo *logo = Velk->Logo();
            logo->setLogoType(logoTypeOf(kind));
            CanvasToLogo();
            setHourglass(false);
            logo->WriteFile(doc_.sLogoPath);
            saved = logo->LastError() == 0;
        } catch (const std::exception &) {
            saved = false;
        }
    }
    setHourglass(false);
    if (!saved) {
        if (env_.messages) {
            env_.messages->information(this, kTitle, QStringLiteral("Problem saving image file"));
        }
        return;
    }
    doc_.bModified = false;
    lblPath->setText(doc_.sLogoPath);
}

void FrmMain::CmdSave_Click() {
    mnuSave_Click();
    picContainer->setFocus();
    setHourglass(false);
}

void FrmMain::mnuSaveAs_Click() {
    doc_.sLogoPath.clear();
    mnuSave_Click();
}

}  // namespace glyphsmith
