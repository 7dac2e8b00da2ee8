#include "info/open_target.h"

#include <QFileInfo>
#include <QUrl>

#include "platform/services.h"

namespace open_target {

namespace {

void tell(QWidget* parent, const QString& text) {
    platform::services().message(parent, QStringLiteral("Lumacap"), text,
                                 platform::MessageIcon::Critical);
}

}  // namespace

bool openDocument(const QString& path, QWidget* parent) {
    const QFileInfo file(path);
    const QString head = QStringLiteral("Não foi possível abrir o documento:\n%1\n\n").arg(path);
    if (!file.isFile()) {
        tell(parent, head + QStringLiteral("O arquivo não foi encontrado."));
        return false;
    }
    if (!file.isReadable()) {
        tell(parent, head + QStringLiteral("Não há permissão para ler o arquivo."));
        return false;
    }
    // A file URL keeps a path with spaces as one argument for the viewer.
    if (!platform::services().openUrl(QUrl::fromLocalFile(file.absoluteFilePath()))) {
        tell(parent, head + QStringLiteral("Não há neste sistema um programa para abri-lo."));
        return false;
    }
    return true;
}

bool openAddress(const QString& url, QWidget* parent) {
    if (!platform::services().openUrl(QUrl(url))) {
        tell(parent, QStringLiteral("Não foi possível abrir o endereço:\n%1\n\nNão há neste "
                                    "sistema um navegador para abri-lo.")
                         .arg(url));
        return false;
    }
    return true;
}

}  // namespace open_target
