#include "canvas/FrmDrawText.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>

#include "canvas/TextRaster.h"
#include "document/LogoDocument.h"

namespace glyphsmith {

FrmDrawText::FrmDrawText(LogoDocument *document, QWidget *owner)
    : QDialog(owner), document_(document) {
    setObjectName(QStringLiteral("frmDrawText"));
    setWindowTitle(QStringLiteral("Insert Text"));
    setModal(true);
    setFixedSize(268, 78);

    Text1 = new QLineEdit(QStringLiteral("Text"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(8, 8, 252, 26);
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSize(8);
    // the family the alias stands for, so that the font dialog finds it
    font.setFamily(QFontInfo(font).family());
    Text1->setFont(font);

    const auto button = [this](const char *name, const char *caption, int left, int width) {
        auto *b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, 44, width, 26);
        return b;
    };
    cmdOK = button("cmdOK", "OK", 8, 76);
    cmdCancel = button("cmdCancel", "Cancel", 90, 76);
    cmdFont = button("cmdFont", "Change Font", 172, 88);
    cmdOK->setDefault(true);

    connect(cmdOK, &QPushButton::clicked, this, &FrmDrawText::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmDrawText::cmdCancel_Click);
    connect(cmdFont, &QPushButton::clicked, this, &FrmDrawText::cmdFont_Click);
}

QColor FrmDrawText::text1ForeColor() const {
    return Text1->palette().color(QPalette::Text);
}

void FrmDrawText::setText1ForeColor(const QColor &color) {
    QPalette pal = Text1->palette();
    pal.setColor(QPalette::Text, color);
    Text1->setPalette(pal);
}

void FrmDrawText::cmdFont_Click() {
    // the dialog picks its style by name: name the one the font resolves to
    // (without it, a family whose regular style is not called "Regular"
    // opens on its first style, often an italic one)
    QFont initial = Text1->font();
    initial.setStyleName(QFontInfo(initial).styleName());
    QFontDialog dialog(initial, this);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    // the same dialog on every desktop (and one that tests can drive)
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) {
        return;  // cancelled: the text box keeps its font
    }
    const QFont chosen = dialog.selectedFont();
    QFont font = Text1->font();
    font.setStyleName(QString());  // weight and slant below decide
    font.setFamily(chosen.family());
    if (chosen.pointSizeF() > 0) {
        font.setPointSizeF(chosen.pointSizeF());
    } else if (chosen.pixelSize() > 0) {
        font.setPixelSize(chosen.pixelSize());
    }
    font.setBold(chosen.bold());
    font.setItalic(chosen.italic());
    font.setUnderline(chosen.underline());
    font.setStrikeOut(chosen.strikeOut());
    Text1->setFont(font);
    setText1ForeColor(picRealForeColor);
}

void FrmDrawText::cmdOK_Click() {
    if (document_) {
        const QPoint start(static_cast<int>(sngTextX), static_cast<int>(sngTextY));
        picRealForeColor = text1ForeColor();
        drawTextOnPicture(document_->preview(), start, Text1->text(), Text1->font(),
                          picRealForeColor.rgb());
    }
    accept();
}

void FrmDrawText::cmdCancel_Click() {
    reject();
}

}  // namespace glyphsmith
