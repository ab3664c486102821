// The capture window: a small window centred on the screen whose box
// `PicDesk` shows, every 30 ms, the screen region whose top-left corner is the
// mouse pointer (or, on a still picture of the screen, the corner the user
// placed). Enter or "&Snap" saves what the box shows as a bitmap file and
// closes the window; the close box closes it without saving.
//
// One class for the three sizes, told apart by object name:
// FrmZGetDeskCol1 (operator and caller-group logos), FrmZGetDeskCol2
// (picture message), FrmZGetDeskCol3 (startup logo). Positions are in
// client-area pixels.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;

namespace glyphsmith {

class ScreenSource;
class StillPictureView;

class FrmZGetDesk : public QDialog {
    Q_OBJECT
public:
    // `column` 1, 2 or 3 (others count as 1); `source` must outlive the
    // window; `bitmapPath` is where Snap saves the picture.
    FrmZGetDesk(int column, ScreenSource &source, QString bitmapPath, QWidget *parent = nullptr);

    // The window for an editor logo kind: 1 for operator and caller-group
    // logos, 2 for the picture message, 3 for the startup logo.
    static int columnForKind(int logoKind);

    // The colour of the screen pixel at the anchor.
    QRgb GetDcColor() const;
    // Fills the box from the region at the anchor; false when the screen
    // could not be read.
    bool GetDcPic();
    void Timer1_Timer();
    void CmdSave_Click();

    // The picture Snap saved (the box's inner area); null when the window
    // closed without Snap.
    QImage snapped() const { return snapped_; }
    // The size of the box's inner area, the size of every saved picture.
    QSize captureSize() const;

    QLabel *PicDesk = nullptr;
    QWidget *PicColor = nullptr;
    QPushButton *CmdSave = nullptr;
    QTimer *Timer1 = nullptr;
    StillPictureView *picStill = nullptr;  // only on a still picture

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildGuides(const QRect &box, const char *widthGuide, const char *height);
    void buildStillView(int clientHeight);

    ScreenSource &source_;
    QString bitmapPath_;
    QImage shown_;    // what the box shows now
    QImage snapped_;  // what Snap saved
};

}  // namespace glyphsmith
