#include "info/open_target.h"

#include <QFileInfo>
#include <QPointer>
#include <QUrl>
#include <QWidget>

#include "platform/services.h"

namespace open_target {

namespace {

void tell(QWidget* parent, const QString& text) {
    platform::services().message(parent, QStringLiteral("Lumacap"), text,
                                 platform::MessageIcon::Critical);
}

// Hands `url` to the desktop; `failure` is told if the desktop's opener fails. The window that
// asked may be closed by then: the message then stands alone.
void open(const QUrl& url, QWidget* parent, const QString& failure) {
    QPointer<QWidget> asker(parent);
    platform::services().openUrl(url, [asker, failure](bool opened) {
        if (!opened) {
            tell(asker.data(), failure);
        }
    });
}

}  // namespace

void openDocument(const QString& path, QWidget* parent) {
    const QFileInfo file(path);
    const QString head = QStringLiteral("Não foi possível abrir o documento:\n%1\n\n").arg(path);
    if (!file.isFile()) {
        tell(parent, head + QStringLiteral("O arquivo não foi encontrado."));
        return;
    }
    if (!file.isReadable()) {
        tell(parent, head + QStringLiteral("Não há permissão para ler o arquivo."));
        return;
    }
    // A file URL keeps a path with spaces as one argument for the viewer.
    open(QUrl::fromLocalFile(file.absoluteFilePath()), parent,
         head + QStringLiteral("Não há neste sistema um programa para abri-lo."));
}

void openAddress(const QString& url, QWidget* parent) {
    open(QUrl(url), parent,
         QStringLiteral("Não foi possível abrir o endereço:\n%1\n\nNão há neste "
                        "sistema um navegador para abri-lo.")
             .arg(url));
}

}  // namespace open_target
