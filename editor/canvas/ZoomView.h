// The zoomed view of the logo: shows the top-left part of the document's view
// image as large as the widget, and reports mouse and key events in view
// pixels with the button and shift codes of the editor's handlers (buttons:
// 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt).
#pragma once

#include <QWidget>

namespace glyphsmith {

class LogoDocument;

class ZoomView : public QWidget {
    Q_OBJECT
public:
    // `document` must outlive the view.
    explicit ZoomView(const LogoDocument *document, QWidget *parent = nullptr);

    // The editor's key code of a key: 46 for Delete, letters and digits as
    // their upper-case character code, 0 for keys it has no code for.
    static qint16 keyCodeOf(int qtKey);

signals:
    void mouseDown(qint16 button, qint16 shift, float x, float y);
    void mouseMove(qint16 button, qint16 shift, float x, float y);
    void mouseUp(qint16 button, qint16 shift, float x, float y);
    void keyDown(qint16 keyCode, qint16 shift);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    const LogoDocument *document_;
};

}  // namespace glyphsmith
