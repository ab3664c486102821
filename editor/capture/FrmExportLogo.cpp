#include "capture/FrmExportLogo.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace glyphsmith {

namespace {

const char *extensionOf(ExportFormat f) {
    switch (f) {
        case ExportFormat::Png:
            return ".png";
        case ExportFormat::Xbm:
            return ".xbm";
        default:
            return ".h";
    }
}

}  // namespace

FrmExportLogo::FrmExportLogo(const QString &folder, const QString &name, QWidget *parent)
    : QDialog(parent), folder_(folder) {
    setObjectName(QStringLiteral("frmExport"));
    setWindowTitle(QStringLiteral("Export"));
    setModal(true);

    cboFormat = new QComboBox(this);
    cboFormat->setObjectName(QStringLiteral("cboFormat"));
    cboFormat->addItems({QStringLiteral("PNG picture (*.png)"), QStringLiteral("X bitmap (*.xbm)"),
                         QStringLiteral("C header, rows of bits (*.h)"),
                         QStringLiteral("C header, vertical 8-pixel pages (*.h)")});
    spnScale = new QSpinBox(this);
    spnScale->setObjectName(QStringLiteral("spnScale"));
    spnScale->setRange(1, kMaxExportScale);
    spnScale->setSuffix(QStringLiteral(" x"));
    txtName = new QLineEdit(cIdentifier(name), this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtPath = new QLineEdit(QDir(folder).filePath(name + QStringLiteral(".png")), this);
    txtPath->setObjectName(QStringLiteral("txtPath"));
    txtPath->setMinimumWidth(280);
    cmdBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(txtPath);
    pathRow->addWidget(cmdBrowse);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Format:"), cboFormat);
    form->addRow(QStringLiteral("&Scale:"), spnScale);
    form->addRow(QStringLiteral("&Name in C:"), txtName);
    form->addRow(QStringLiteral("F&ile:"), pathRow);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    cmdOK = buttons->button(QDialogButtonBox::Ok);
    cmdCancel = buttons->button(QDialogButtonBox::Cancel);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *root = new QVBoxLayout(this);
    root->addLayout(form);
    root->addWidget(buttons);

    connect(cboFormat, &QComboBox::currentIndexChanged, this, &FrmExportLogo::formatChanged);
    connect(cmdBrowse, &QPushButton::clicked, this, &FrmExportLogo::browse);
    connect(txtPath, &QLineEdit::textChanged, this,
            [this](const QString &t) { cmdOK->setEnabled(!t.trimmed().isEmpty()); });
    formatChanged();
}

ExportRequest FrmExportLogo::request() const {
    ExportRequest r;
    r.format = static_cast<ExportFormat>(cboFormat->currentIndex());
    r.scale = spnScale->value();
    r.name = txtName->text();
    r.path = txtPath->text().trimmed();
    if (!r.path.isEmpty() && QFileInfo(r.path).suffix().isEmpty()) {
        r.path += QString::fromLatin1(extensionOf(r.format));
    }
    return r;
}

void FrmExportLogo::formatChanged() {
    const auto format = static_cast<ExportFormat>(cboFormat->currentIndex());
    spnScale->setEnabled(format == ExportFormat::Png);
    txtName->setEnabled(format == ExportFormat::CHeaderRows ||
                        format == ExportFormat::CHeaderPages);
    // the file keeps its name and takes the new format's extension
    const QString path = txtPath->text().trimmed();
    if (!path.isEmpty()) {
        const QFileInfo info(path);
        txtPath->setText(info.dir().filePath(info.completeBaseName() +
                                             QString::fromLatin1(extensionOf(format))));
    }
}

void FrmExportLogo::browse() {
    QFileDialog dialog(this, QStringLiteral("Export"));
    dialog.setObjectName(QStringLiteral("ComDia"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(cboFormat->currentText());
    dialog.setDefaultSuffix(QString::fromLatin1(extensionOf(request().format)).mid(1));
    const QFileInfo current(txtPath->text());
    dialog.setDirectory(current.dir().exists() ? current.absolutePath() : folder_);
    dialog.selectFile(current.fileName());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        txtPath->setText(dialog.selectedFiles().first());
    }
}

}  // namespace glyphsmith
