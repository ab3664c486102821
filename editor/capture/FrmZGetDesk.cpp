#include "capture/FrmZGetDesk.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "document/LogoKind.h"
#include "capture/ScreenSource.h"
#include "capture/StillPictureView.h"

namespace glyphsmith {

namespace {

struct CaptureLayout {
    const char *name;
    QSize client;
    QRect box;  // outer size, border included
    const char *widthGuide;
    const char *height;
};

const CaptureLayout kLayouts[3] = {
    {"FrmZGetDeskCol1", {326, 63}, {208, 32, 73, 17}, "<--------  72  -------->", "14"},
    {"FrmZGetDeskCol2", {326, 69}, {208, 24, 73, 34}, "<--------  72  -------->", "28"},
    {"FrmZGetDeskCol3", {326, 92}, {208, 24, 85, 58}, "<----------  84  ---------->", "48"},
};

constexpr int kBorder = 1;            // the box's frame, each side
constexpr QSize kStillMax(480, 270);  // largest view of a still picture

QLabel *smallLabel(QWidget *parent, const QString &text, const QRect &r, Qt::Alignment align) {
    auto *label = new QLabel(text, parent);
    QFont f = label->font();
    f.setPointSizeF(7);
    label->setFont(f);
    label->setAlignment(align);
    label->setGeometry(r);
    return label;
}

}  // namespace

int FrmZGetDesk::columnForKind(int logoKind) {
    switch (logoKind) {
        case kPictureMessage:
            return 2;
        case kStartupLogo:
            return 3;
        default:
            return 1;
    }
}

FrmZGetDesk::FrmZGetDesk(int column, ScreenSource &source, QString bitmapPath, QWidget *parent)
    : QDialog(parent), source_(source), bitmapPath_(std::move(bitmapPath)) {
    const CaptureLayout &layout = kLayouts[(column >= 1 && column <= 3) ? column - 1 : 0];
    setObjectName(QString::fromLatin1(layout.name));
    setWindowTitle(QStringLiteral("Capture"));
    setModal(true);

    auto *hint = smallLabel(this,
                            QStringLiteral("Click Here (*****), move cursor to required\n"
                                           "spot, then press Enter"),
                            QRect(4, 2, 202, 24), Qt::AlignLeft | Qt::AlignTop);
    hint->setObjectName(QStringLiteral("Label1"));

    PicColor = new QWidget(this);
    PicColor->setObjectName(QStringLiteral("PicColor"));
    PicColor->setGeometry(8, layout.client.height() - 27, 17, 17);
    PicColor->setAutoFillBackground(true);

    CmdSave = new QPushButton(QStringLiteral("&Snap"), this);
    CmdSave->setObjectName(QStringLiteral("CmdSave"));
    CmdSave->setGeometry(36, layout.client.height() - 30, 80, 24);
    // Enter is handled by the window, so the button must not take it too
    CmdSave->setAutoDefault(false);
    connect(CmdSave, &QPushButton::clicked, this, &FrmZGetDesk::CmdSave_Click);

    PicDesk = new QLabel(this);
    PicDesk->setObjectName(QStringLiteral("PicDesk"));
    PicDesk->setGeometry(layout.box);
    PicDesk->setFrameStyle(QFrame::Box | QFrame::Plain);
    PicDesk->setLineWidth(kBorder);
    PicDesk->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    buildGuides(layout.box, layout.widthGuide, layout.height);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(30);
    connect(Timer1, &QTimer::timeout, this, &FrmZGetDesk::Timer1_Timer);

    if (!source_.still().isNull()) {
        buildStillView(layout.client.height());
    } else {
        setFixedSize(layout.client);
    }
}

void FrmZGetDesk::buildGuides(const QRect &box, const char *widthGuide, const char *height) {
    smallLabel(this, QString::fromLatin1(widthGuide),
               QRect(box.center().x() - 70, box.top() - 13, 141, 12), Qt::AlignCenter)
        ->setObjectName(QStringLiteral("lblWidth"));
    const int x = box.right() + 4;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    smallLabel(this, QStringLiteral("/\\"), QRect(x, box.top() - 4, 30, 10), left);
    smallLabel(this, QStringLiteral("\\/"), QRect(x, box.bottom() - 5, 30, 10), left);
    smallLabel(this, QString::fromLatin1(height), QRect(x + 12, box.center().y() - 5, 30, 10), left)
        ->setObjectName(QStringLiteral("lblHeight"));
    if (box.height() >= 30) {  // room for the bars between arrow and number
        smallLabel(this, QStringLiteral(" |"), QRect(x, box.top() + 6, 30, 10), left);
        smallLabel(this, QStringLiteral(" |"), QRect(x, box.bottom() - 15, 30, 10), left);
    }
}

void FrmZGetDesk::buildStillView(int clientHeight) {
    auto *note = smallLabel(this,
                            QStringLiteral("The screen cannot be read live here: click or drag "
                                           "on this still picture to place the box."),
                            QRect(4, clientHeight, 318, 24), Qt::AlignLeft | Qt::AlignVCenter);
    note->setWordWrap(true);
    note->setObjectName(QStringLiteral("lblStill"));
    picStill = new StillPictureView(source_.still(), kStillMax, this);
    picStill->move(4, clientHeight + 26);
    connect(picStill, &StillPictureView::placed, this, [this](QPoint p) {
        source_.setAnchor(p);
        Timer1_Timer();
    });
    setFixedSize(std::max(326, picStill->width() + 8), clientHeight + 30 + picStill->height());
}

QSize FrmZGetDesk::captureSize() const {
    return PicDesk->size() - QSize(2 * kBorder, 2 * kBorder);
}

QRgb FrmZGetDesk::GetDcColor() const {
    return source_.colorAt(source_.anchor());
}

bool FrmZGetDesk::GetDcPic() {
    const QImage region = source_.grab(QRect(source_.anchor(), captureSize()));
    if (region.isNull()) {
        return false;
    }
    shown_ = region;
    PicDesk->setPixmap(QPixmap::fromImage(shown_));
    if (picStill) {
        picStill->setMarker(QRect(source_.anchor(), captureSize()));
    }
    return true;
}

void FrmZGetDesk::Timer1_Timer() {
    QPalette pal = PicColor->palette();
    pal.setColor(QPalette::Window, QColor(GetDcColor()));
    PicColor->setPalette(pal);
    GetDcPic();
}

void FrmZGetDesk::CmdSave_Click() {
    if (shown_.isNull()) {
        GetDcPic();
    }
    if (!shown_.isNull()) {
        snapped_ = shown_;
        QDir().mkpath(QFileInfo(bitmapPath_).absolutePath());
        // the picture is kept in memory as well, so a folder that cannot be
        // written loses nothing
        QSaveFile file(bitmapPath_);
        if (file.open(QIODevice::WriteOnly) && QImageWriter(&file, "bmp").write(snapped_)) {
            file.commit();
        }
    }
    accept();
}

void FrmZGetDesk::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        CmdSave_Click();
        return;
    }
    if (picStill) {
        const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
        QPoint move;
        switch (event->key()) {
            case Qt::Key_Left:
                move = {-step, 0};
                break;
            case Qt::Key_Right:
                move = {step, 0};
                break;
            case Qt::Key_Up:
                move = {0, -step};
                break;
            case Qt::Key_Down:
                move = {0, step};
                break;
            default:
                break;
        }
        if (!move.isNull()) {
            source_.setAnchor(source_.anchor() + move);
            Timer1_Timer();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void FrmZGetDesk::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (QScreen *screen = this->screen()) {
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    Timer1_Timer();
    Timer1->start();
}

void FrmZGetDesk::hideEvent(QHideEvent *event) {
    Timer1->stop();
    QDialog::hideEvent(event);
}

}  // namespace glyphsmith
