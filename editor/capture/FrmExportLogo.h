// The "Export" dialog: where and how the logo is written for other programs
// (PNG at a whole scale, X bitmap, or a C header in either byte layout).
#pragma once

#include <QDialog>

#include "imaging/LogoExport.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace glyphsmith {

class FrmExportLogo : public QDialog {
    Q_OBJECT
public:
    // `folder`: where the file dialog of "Browse..." starts; `name`: the
    // suggested file and array name.
    FrmExportLogo(const QString &folder, const QString &name, QWidget *parent = nullptr);

    // What the dialog holds now; the path gets the format's extension when
    // it has none.
    ExportRequest request() const;

    QComboBox *cboFormat = nullptr;  // in ExportFormat order
    QSpinBox *spnScale = nullptr;
    QLineEdit *txtName = nullptr;
    QLineEdit *txtPath = nullptr;
    QPushButton *cmdBrowse = nullptr;
    QPushButton *cmdOK = nullptr, *cmdCancel = nullptr;

private:
    void formatChanged();
    void browse();

    QString folder_;
};

}  // namespace glyphsmith
