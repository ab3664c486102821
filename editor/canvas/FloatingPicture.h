// The floating picture of a finished selection (picMove): shows the selected
// part of the zoomed view and reports the mouse in its own pixels with the
// editor's button and shift codes.
#pragma once

#include <QImage>
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
    void mouseDown(qint16 button, qint16 shift, float x, float y);
    void mouseMove(qint16 button, qint16 shift, float x, float y);
    void mouseUp(qint16 button, qint16 shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage picture_;
};

}  // namespace glyphsmith
