// The floating picture of a finished selection (picMove): shows the selected
// part of the zoomed view and reports the mouse in its own pixels.
#pragma once

#include <QImage>
#include <QPointF>
#include <QWidget>

namespace glyphsmith {

class FloatingPicture : public QWidget {
    Q_OBJECT
public:
    explicit FloatingPicture(QWidget *parent = nullptr);

    const QImage &picture() const { return picture_; }
    // Shown at its own size from the widget's top-left corner.
    void setPicture(const QImage &picture);

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPointF at);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods, QPointF at);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPointF at);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage picture_;
};

}  // namespace glyphsmith
