// A rectangle or oval drawn over the zoomed view in its coordinates (view
// pixels, fractions allowed): the rubber band of the box and ellipse tools
// and the selection rectangle. It is moved and resized, never drawn into the
// picture beneath, and lets the mouse through.
#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

namespace glyphsmith {

class ShapeControl : public QWidget {
    Q_OBJECT
public:
    enum ShapeKind { Rectangle = 0, Oval = 2 };
    enum FillKind { Solid = 0, Transparent = 1 };
    enum BorderKind { BorderSolid = 1, BorderDot = 3, BorderDashDot = 4 };

    explicit ShapeControl(QWidget *parent = nullptr);

    int shape() const { return shape_; }
    void setShape(int shape);
    int fillStyle() const { return fillStyle_; }
    void setFillStyle(int style);
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);
    QColor borderColor() const { return borderColor_; }
    void setBorderColor(const QColor &color);
    QColor fillColor() const { return fillColor_; }
    void setFillColor(const QColor &color);

    // Place and size in the parent's pixels; width and height are never
    // below 0.
    double left() const { return box_.left(); }
    double top() const { return box_.top(); }
    double boxWidth() const { return box_.width(); }
    double boxHeight() const { return box_.height(); }
    QRectF box() const { return box_; }
    void setLeft(double left);
    void setTop(double top);
    void setBoxWidth(double width);
    void setBoxHeight(double height);
    void setBox(const QRectF &box);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    QRectF box_;
    int shape_ = Rectangle;
    int fillStyle_ = Transparent;
    int borderStyle_ = BorderSolid;
    QColor borderColor_ = Qt::black;
    QColor fillColor_ = Qt::black;
};

}  // namespace glyphsmith
