// The "Import Picture" dialog: a picture of any size turned into the current
// kind's logo, with a live preview at 1:1 and zoomed while the user chooses
// fit, fill or stretch, the brightness threshold, the dither and inversion.
#pragma once

#include <QDialog>
#include <QImage>
#include <QSize>

#include "imaging/LogoBitmap.h"
#include "imaging/PictureImport.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace glyphsmith {

class FrmImportPicture : public QDialog {
    Q_OBJECT
public:
    static constexpr int kZoom = 4;  // preview pixels per logo pixel

    // `logoSize` in logo pixels.
    FrmImportPicture(QImage picture, QSize logoSize, QWidget *parent = nullptr);

    ImportOptions options() const;
    // The logo as the preview shows it now.
    const LogoBitmap &result() const { return result_; }

    QRadioButton *optFit = nullptr, *optFill = nullptr, *optStretch = nullptr;
    QSlider *sldThreshold = nullptr;
    QLabel *lblThreshold = nullptr;
    QComboBox *cboDither = nullptr;  // in DitherMode order
    QCheckBox *chkInvert = nullptr;
    QLabel *picPreview = nullptr;  // 1:1
    QLabel *picZoom = nullptr;     // kZoom:1 with a faint grid
    QPushButton *cmdOK = nullptr, *cmdCancel = nullptr;

private:
    void refresh();

    QImage picture_;
    QSize logoSize_;
    LogoBitmap result_;
};

}  // namespace glyphsmith
