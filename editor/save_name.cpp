#include "editor/save_name.h"

#include <QFile>

namespace {

constexpr int kMaxNameBytes = 255;  // a file name's limit on Linux file systems

}  // namespace

QString fileNameFor(const QString& chosen, picture_file::ImageType type) {
    if (picture_file::typeOfName(chosen) == type) {
        return chosen;
    }
    return chosen + QLatin1String(picture_file::info(type).extension);
}

QString saveName(const QString& typed, picture_file::ImageType type, QString* refusal) {
    auto refuse = [refusal](const QString& why) {
        if (refusal) {
            *refusal = why;
        }
        return QString();
    };
    if (typed.isEmpty() || typed == QLatin1String(".") || typed == QLatin1String("..")) {
        return refuse(QStringLiteral("Digite um nome para o arquivo."));
    }
    if (typed.contains(QLatin1Char('/'))) {
        return refuse(QStringLiteral("O nome \"%1\" não pode conter \"/\". Escolha a pasta na "
                                     "janela e digite só o nome do arquivo.")
                          .arg(typed));
    }
    const QString name = fileNameFor(typed, type);
    const QByteArray encoded = QFile::encodeName(name);
    if (name.contains(QChar(0)) || QFile::decodeName(encoded) != name) {
        return refuse(QStringLiteral("O nome \"%1\" tem caracteres que não podem fazer parte do "
                                     "nome de um arquivo.")
                          .arg(typed));
    }
    if (encoded.size() > kMaxNameBytes) {
        return refuse(QStringLiteral("O nome digitado é longo demais para um arquivo: com a "
                                     "extensão, %1 bytes, e o limite é de %2.")
                          .arg(encoded.size())
                          .arg(kMaxNameBytes));
    }
    return name;
}
