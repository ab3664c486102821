#include "files/LogoFileDialog.h"

#include <QFileDialog>

#include "files/LogoFileFilters.h"

namespace glyphsmith {

namespace {

// 1-based position of `filter` in `filters` (1 when not found).
int filterNumber(const QStringList &filters, const QString &filter) {
    const int i = filters.indexOf(filter);
    return i < 0 ? 1 : i + 1;
}

void prepare(QFileDialog &dialog, const QString &title, const QStringList &filters, int preselected,
             const QString &folder) {
    dialog.setObjectName(QStringLiteral("ComDia"));
    dialog.setWindowTitle(title);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(preselected - 1));
    dialog.setDirectory(folder);
    dialog.setWindowModality(Qt::ApplicationModal);
}

std::optional<QString> chosenFile(QFileDialog &dialog) {
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) {
        return std::nullopt;
    }
    return files.first();
}

// The save dialog takes the extension of the filter selected when it is
// accepted, so that its overwrite question names the file really written.
class SaveDialog : public QFileDialog {
public:
    SaveDialog(QWidget *parent, LogoKind kind) : QFileDialog(parent), kind_(kind) {}

    QString extension() const {
        return saveExtensionFor(filterNumber(saveLogoFilters(), selectedNameFilter()), kind_);
    }
    void accept() override {
        setDefaultSuffix(extension().mid(1));
        QFileDialog::accept();
    }

private:
    LogoKind kind_;
};

}  // namespace

std::optional<QString> askOpenLogoPath(QWidget *parent, LogoKind kind, const QString &folder) {
    QFileDialog dialog(parent);
    prepare(dialog, QStringLiteral("Opening Logo file"), openLogoFilters(), openFilterForKind(kind),
            folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog);
}

std::optional<QString> askSaveLogoPath(QWidget *parent, LogoKind kind, const QString &folder) {
    SaveDialog dialog(parent, kind);
    prepare(dialog, QStringLiteral("Saving Logo file"), saveLogoFilters(), saveFilterForKind(kind),
            folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    std::optional<QString> path = chosenFile(dialog);
    if (path) {
        *path = withDefaultExtension(*path, dialog.extension());
    }
    return path;
}

}  // namespace glyphsmith
