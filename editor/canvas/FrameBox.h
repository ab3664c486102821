// A one-pixel outline drawn over the window: the frame around the zoomed view
// and the rectangle just outside the preview. Lets mouse events through.
#pragma once

#include <QColor>
#include <QWidget>

namespace glyphsmith {

class FrameBox : public QWidget {
    Q_OBJECT
public:
    explicit FrameBox(const QColor &color, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor color_;
};

}  // namespace glyphsmith
