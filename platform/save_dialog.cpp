#include "platform/save_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace platform {

QString realChooseSaveFile(QWidget* parent, const SaveDialogRequest& request) {
    // The next dialog of this run opens where the last one saved.
    static QString folder = [] {
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        return QDir(pictures).exists() ? pictures : QDir::homePath();
    }();
    QFileDialog dialog(parent, request.title, folder, request.filter);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // Qt's own dialog behaves alike on every desktop, the overwrite question included.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    folder = dialog.directory().absolutePath();
    return dialog.selectedFiles().constFirst();
}

}  // namespace platform
