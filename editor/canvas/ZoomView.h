// The zoomed view of the logo: shows the top-left part of the document's view
// image as large as the widget, and reports mouse events in view pixels and
// key presses.
#pragma once

#include <QPointF>
#include <QWidget>

namespace glyphsmith {

class LogoDocument;

class ZoomView : public QWidget {
    Q_OBJECT
public:
    // `document` must outlive the view.
    explicit ZoomView(const LogoDocument *document, QWidget *parent = nullptr);

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPointF at);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, QPointF at);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPointF at);
    // Qt key code.
    void keyDown(int key, Qt::KeyboardModifiers mods);

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
