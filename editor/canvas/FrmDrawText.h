// The text dialog of the text tool ("Insert Text"): the user types a line of
// text and may change its font; OK draws it into the document picture with
// the top-left of its first character cell on the pixel the tool remembered.
// Loaded once and reused, so the next use starts with the last text and font.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QLineEdit;
class QPushButton;

namespace glyphsmith {

class LogoDocument;

class FrmDrawText : public QDialog {
    Q_OBJECT
public:
    // `document` receives the text and must outlive the dialog; `owner` is the
    // main window.
    FrmDrawText(LogoDocument *document, QWidget *owner);

    // The logo pixel where the text starts (set before the dialog opens).
    float sngTextX = 0.0F;
    float sngTextY = 0.0F;
    // The document picture's fore colour: the colour the text is drawn in.
    QColor picRealForeColor = Qt::black;

    // The text box's fore colour (the colour to draw in).
    QColor text1ForeColor() const;
    void setText1ForeColor(const QColor &color);

    // Font dialog; a cancelled dialog leaves the text box's font as it was.
    // The colour chosen in the dialog is not used: the text box takes the
    // document picture's fore colour.
    void cmdFont_Click();
    // Draws the text and hides the dialog.
    void cmdOK_Click();
    // Hides the dialog; nothing is drawn.
    void cmdCancel_Click();

    QLineEdit *Text1 = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdFont = nullptr;

private:
    LogoDocument *document_;
};

}  // namespace glyphsmith
