// The splash window: 492 x 269 pixels, centred on the screen, showing the
// program's picture until its timer fires once (3000 ms) or a key is pressed
// or it is clicked; then finished() is emitted once and the window closes
// and deletes itself.
#pragma once

#include <QTimer>
#include <QWidget>

namespace glyphsmith {

class FrmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 492;
    static constexpr int kHeight = 269;
    static constexpr int kShowMs = 3000;

    explicit FrmSplash(QWidget *parent = nullptr);

    // Shows the window centred on the primary screen and starts Timer1.
    void showCentred();
    // Ends the splash now (what the timer, a key and a click do).
    void Timer1_Timer();

signals:
    void finished();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    // A close from outside (the window manager) hands over like the timer.
    void closeEvent(QCloseEvent *event) override;

private:
    QTimer Timer1;
    bool done_ = false;
};

}  // namespace glyphsmith
