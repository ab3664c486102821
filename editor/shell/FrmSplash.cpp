#include "shell/FrmSplash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "shell/Artwork.h"

namespace glyphsmith {

FrmSplash::FrmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Glyphsmith"));
    setAttribute(Qt::WA_DeleteOnClose);
    // the main window takes over; closing the splash must not end the program
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setParent(this);
    Timer1.setSingleShot(true);
    Timer1.setInterval(kShowMs);
    connect(&Timer1, &QTimer::timeout, this, &FrmSplash::Timer1_Timer);
}

void FrmSplash::showCentred() {
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(kWidth / 2, kHeight / 2));
    }
    show();
    raise();
    activateWindow();
    Timer1.start();
}

void FrmSplash::Timer1_Timer() {
    if (done_) {
        return;
    }
    done_ = true;
    Timer1.stop();
    hide();
    emit finished();
    close();
}

void FrmSplash::closeEvent(QCloseEvent *event) {
    Timer1_Timer();
    QWidget::closeEvent(event);
}

void FrmSplash::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.drawPixmap(0, 0, Artwork::splash());
}

void FrmSplash::keyPressEvent(QKeyEvent *) {
    Timer1_Timer();
}

void FrmSplash::mousePressEvent(QMouseEvent *) {
    Timer1_Timer();
}

}  // namespace glyphsmith
