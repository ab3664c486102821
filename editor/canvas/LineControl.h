// A line drawn over the zoomed view in its coordinates (view pixels): the
// rubber band of the line tool. It is moved, never drawn into the picture
// beneath, and lets the mouse through.
#pragma once

#include <QColor>
#include <QLineF>
#include <QWidget>

namespace glyphsmith {

class LineControl : public QWidget {
    Q_OBJECT
public:
    explicit LineControl(QWidget *parent = nullptr);

    QLineF line() const { return line_; }
    void setLine(const QLineF &line);
    QColor borderColor() const { return borderColor_; }
    void setBorderColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLineF line_;
    QColor borderColor_ = Qt::black;
};

}  // namespace glyphsmith
