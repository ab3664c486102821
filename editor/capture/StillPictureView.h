// The still picture of the screen, shrunk to fit the capture window, with a
// frame marking the capture box; a click or drag places the box's top-left
// corner. Points handed out are in the still picture's own pixels.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

namespace glyphsmith {

class StillPictureView : public QWidget {
    Q_OBJECT
public:
    // The view is at most `maxSize`; the picture keeps its aspect.
    StillPictureView(const QImage &still, QSize maxSize, QWidget *parent = nullptr);

    // The capture box, in still picture pixels.
    void setMarker(const QRect &box);
    // View point -> still picture pixel.
    QPoint toPicture(QPoint viewPoint) const;

signals:
    void placed(QPoint picturePoint);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QImage shown_;
    double scale_ = 1.0;  // view pixels per picture pixel
    QRect marker_;
};

}  // namespace glyphsmith
