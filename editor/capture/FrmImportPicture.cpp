#include "capture/FrmImportPicture.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "document/LogoDocument.h"

namespace glyphsmith {

namespace {

QImage previewImage(const LogoBitmap &logo, int zoom) {
    QImage out(logo.size() * zoom, QImage::Format_RGB32);
    out.fill(LogoDocument::kClearColor);
    QPainter p(&out);
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            if (logo.isSet(x, y)) {
                p.fillRect(x * zoom, y * zoom, zoom, zoom, QColor(LogoDocument::kSetColor));
            }
        }
    }
    if (zoom > 2) {
        p.setPen(QColor(0, 0, 0, 28));
        for (int x = 0; x <= logo.width(); ++x) {
            p.drawLine(x * zoom, 0, x * zoom, out.height());
        }
        for (int y = 0; y <= logo.height(); ++y) {
            p.drawLine(0, y * zoom, out.width(), y * zoom);
        }
    }
    return out;
}

}  // namespace

FrmImportPicture::FrmImportPicture(QImage picture, QSize logoSize, QWidget *parent)
    : QDialog(parent), picture_(std::move(picture)), logoSize_(logoSize) {
    setObjectName(QStringLiteral("frmImportPicture"));
    setWindowTitle(QStringLiteral("Import Picture"));
    setModal(true);

    auto *fitBox = new QGroupBox(QStringLiteral("Size"), this);
    optFit = new QRadioButton(QStringLiteral("&Fit (whole picture)"), fitBox);
    optFill = new QRadioButton(QStringLiteral("F&ill (crop)"), fitBox);
    optStretch = new QRadioButton(QStringLiteral("&Stretch"), fitBox);
    auto *fitGroup = new QButtonGroup(this);
    auto *fitLayout = new QVBoxLayout(fitBox);
    for (QRadioButton *b : {optFit, optFill, optStretch}) {
        fitGroup->addButton(b);
        fitLayout->addWidget(b);
    }
    optFit->setObjectName(QStringLiteral("optFit"));
    optFill->setObjectName(QStringLiteral("optFill"));
    optStretch->setObjectName(QStringLiteral("optStretch"));
    optFit->setChecked(true);

    sldThreshold = new QSlider(Qt::Horizontal, this);
    sldThreshold->setObjectName(QStringLiteral("sldThreshold"));
    sldThreshold->setRange(0, 256);
    sldThreshold->setValue(128);
    lblThreshold = new QLabel(this);
    lblThreshold->setObjectName(QStringLiteral("lblThreshold"));
    lblThreshold->setMinimumWidth(30);
    auto *thresholdRow = new QHBoxLayout;
    thresholdRow->addWidget(sldThreshold);
    thresholdRow->addWidget(lblThreshold);

    cboDither = new QComboBox(this);
    cboDither->setObjectName(QStringLiteral("cboDither"));
    cboDither->addItems({QStringLiteral("None"), QStringLiteral("Floyd-Steinberg"),
                         QStringLiteral("Ordered"), QStringLiteral("Atkinson")});
    cboDither->setCurrentIndex(int(DitherMode::FloydSteinberg));
    chkInvert = new QCheckBox(QStringLiteral("In&vert"), this);
    chkInvert->setObjectName(QStringLiteral("chkInvert"));

    auto *form = new QFormLayout;
    auto *thresholdLabel = new QLabel(QStringLiteral("&Threshold:"), this);
    thresholdLabel->setBuddy(sldThreshold);
    form->addRow(thresholdLabel, thresholdRow);
    form->addRow(QStringLiteral("&Dither:"), cboDither);
    form->addRow(QString(), chkInvert);

    picPreview = new QLabel(this);
    picPreview->setObjectName(QStringLiteral("picPreview"));
    picPreview->setFixedSize(logoSize_);
    picZoom = new QLabel(this);
    picZoom->setObjectName(QStringLiteral("picZoom"));
    picZoom->setFixedSize(logoSize_ * kZoom);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdOK = buttons->button(QDialogButtonBox::Ok);
    cmdCancel = buttons->button(QDialogButtonBox::Cancel);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *controls = new QVBoxLayout;
    controls->addWidget(fitBox);
    controls->addLayout(form);
    controls->addStretch();
    auto *previews = new QVBoxLayout;
    previews->addWidget(picPreview);
    previews->addWidget(picZoom);
    previews->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(controls);
    top->addSpacing(12);
    top->addLayout(previews);
    auto *root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addWidget(buttons);

    connect(fitGroup, &QButtonGroup::buttonClicked, this, &FrmImportPicture::refresh);
    connect(sldThreshold, &QSlider::valueChanged, this, &FrmImportPicture::refresh);
    connect(cboDither, &QComboBox::currentIndexChanged, this, &FrmImportPicture::refresh);
    connect(chkInvert, &QCheckBox::toggled, this, &FrmImportPicture::refresh);
    refresh();
}

ImportOptions FrmImportPicture::options() const {
    ImportOptions o;
    o.fit = optFill->isChecked()      ? FitMode::Fill
            : optStretch->isChecked() ? FitMode::Stretch
                                      : FitMode::Fit;
    o.threshold = sldThreshold->value();
    o.dither = static_cast<DitherMode>(cboDither->currentIndex());
    o.invert = chkInvert->isChecked();
    return o;
}

void FrmImportPicture::refresh() {
    lblThreshold->setText(QString::number(sldThreshold->value()));
    result_ = importPicture(picture_, logoSize_, options());
    picPreview->setPixmap(QPixmap::fromImage(previewImage(result_, 1)));
    picZoom->setPixmap(QPixmap::fromImage(previewImage(result_, kZoom)));
}

}  // namespace glyphsmith
