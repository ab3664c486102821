// Import Picture and Export on the real main window, the dialogs answered
// from a timer.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "FileDialogScript.h"
#include "MainWindowTest.h"
#include "PixelCheck.h"
#include "capture/FrmExportLogo.h"
#include "capture/FrmImportPicture.h"

using namespace glyphsmith;
using namespace glyphsmith::test;

namespace {

class PictureCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        home.writeSettings({});
        start().optStartup_Click();
    }
    QString file(const char *name) const { return home.root + QLatin1Char('/') + name; }
};

TEST_F(PictureCommandsTest, ImportIsOneUndoStepAndMarksTheLogoModified) {
    QImage black(300, 200, QImage::Format_RGB32);
    black.fill(Qt::black);
    ASSERT_TRUE(black.save(file("black.png")));
    ModalScript script;
    script.chooseFile(file("black.png")).then([](QWidget *w) {
        auto *dialog = qobject_cast<FrmImportPicture *>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->optStretch->click();
        dialog->cmdOK->click();
    });
    window_->mnuImportPicture_Click();
    EXPECT_TRUE(script.done());
    const LogoDocument &doc = window_->document();
    EXPECT_TRUE(everyPixel([&](int x, int y) { return doc.isPixelSet(x, y); }));
    EXPECT_TRUE(doc.isModified());
    child<QPushButton>("cmdUndo")->click();
    EXPECT_TRUE(everyPixel([&](int x, int y) { return !doc.isPixelSet(x, y); }));

    // a file that is no picture is told and changes nothing
    ASSERT_TRUE(QFile(file("black.png")).resize(10));
    script.chooseFile(file("black.png"));
    window_->mnuImportPicture_Click();
    ASSERT_EQ(home.messages->shown.size(), 1u);
    EXPECT_TRUE(home.messages->shown[0].text.startsWith("Problem reading picture file"));
    EXPECT_TRUE(everyPixel([&](int x, int y) { return !doc.isPixelSet(x, y); }));
}

TEST_F(PictureCommandsTest, ExportWritesTheChosenFormat) {
    window_->document().setPixel(0, 0, LogoDocument::kSetColor);
    ModalScript script;
    script.then([this](QWidget *w) {
        auto *dialog = qobject_cast<FrmExportLogo *>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->cboFormat->setCurrentIndex(int(ExportFormat::CHeaderPages));
        dialog->txtPath->setText(file("out"));  // the extension follows the format
        dialog->cmdOK->click();
    });
    window_->mnuExport_Click();
    EXPECT_TRUE(script.done());
    QFile header(file("out.h"));
    ASSERT_TRUE(header.open(QIODevice::ReadOnly));
    const QByteArray text = header.readAll();
    EXPECT_TRUE(text.contains("#define LOGO_WIDTH 84"));
    EXPECT_TRUE(text.contains("0x01, 0x00"));
    EXPECT_TRUE(home.messages->shown.empty());
}

}  // namespace
