#include "platform/save_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <algorithm>

namespace platform {

namespace {

// Qt's own dialog reads the typed text its own way (quotes split it into several names, "~"
// and "/" lead to other folders); this one takes the name as typed and names the file itself.
class SaveFileDialog : public QFileDialog {
public:
    SaveFileDialog(QWidget* parent, const SaveDialogRequest& request, const QString& folder)
        : QFileDialog(parent, request.title, folder, request.filter), request_(request) {
        setObjectName(QStringLiteral("SaveDialog"));
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        // Qt's own dialog behaves alike on every desktop; the question is asked below.
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::DontConfirmOverwrite);
    }

    QString chosen() const { return chosen_; }

    void accept() override {
        auto* box = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const QString typed = box ? box->text() : QString();
        if (typed.isEmpty()) {
            return;
        }
        // A folder typed (or picked) opens, as in any file dialog.
        const bool home = typed == QLatin1String("~") || typed.startsWith(QLatin1String("~/"));
        const QString folder =
            home ? QDir::homePath() + typed.mid(1) : directory().absoluteFilePath(typed);
        if (QFileInfo(folder).isDir()) {
            setDirectory(folder);
            box->clear();
            return;
        }
        QString refusal;
        const int filter = std::max<int>(0, nameFilters().indexOf(selectedNameFilter()));
        const QString name = request_.fileName(typed, filter, &refusal);
        if (name.isEmpty()) {
            QMessageBox::warning(this, windowTitle(), refusal);
            return;
        }
        const QFileInfo target(directory().absoluteFilePath(name));
        if (target.isDir()) {
            QMessageBox::warning(this, windowTitle(),
                                 QStringLiteral("\"%1\" é uma pasta.").arg(name));
            return;
        }
        if ((target.exists() || target.isSymLink()) && !replaceConfirmed(name)) {
            return;
        }
        chosen_ = target.absoluteFilePath();
        QDialog::accept();
    }

private:
    bool replaceConfirmed(const QString& name) {
        QMessageBox question(
            QMessageBox::Warning, windowTitle(),
            QStringLiteral("O arquivo \"%1\" já existe.\nDeseja substituí-lo?").arg(name),
            QMessageBox::Yes | QMessageBox::No, this);
        question.setObjectName(QStringLiteral("ReplaceQuestion"));
        question.button(QMessageBox::Yes)->setText(QStringLiteral("Substituir"));
        question.button(QMessageBox::No)->setText(QStringLiteral("Cancelar"));
        question.setDefaultButton(QMessageBox::No);
        return question.exec() == QMessageBox::Yes;
    }

    const SaveDialogRequest& request_;
    QString chosen_;
};

}  // namespace

QString realChooseSaveFile(QWidget* parent, const SaveDialogRequest& request) {
    // The next dialog of this run opens where the last one saved.
    static QString folder = [] {
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        return QDir(pictures).exists() ? pictures : QDir::homePath();
    }();
    SaveFileDialog dialog(parent, request, folder);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen().isEmpty()) {
        return {};
    }
    folder = dialog.directory().absolutePath();
    return dialog.chosen();
}

}  // namespace platform
