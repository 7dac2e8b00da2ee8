#include "info/help_window.h"

#include <QDir>
#include <QLabel>

#include "info/info_pictures.h"
#include "info/open_target.h"
#include "platform/program_dir.h"
#include "ui/picture_button.h"
#include "ui/press_effect.h"
#include "ui/units.h"

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int l, int t, int w,
                  int h) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    units::place(label, l, t, w, h);
    return label;
}

}  // namespace

const QStringList& LC_Form5_help::documents() {
    static const QStringList list{
        QStringLiteral("ReadMe/ReadMe_Informacoes-e-consideracoes.pdf"),
        QStringLiteral("ReadMe/ReadMe_Licenca-de-utilizacao.pdf"),
        QStringLiteral("ReadMe/ReadMe_Caracteristicas-da-versao.pdf"),
    };
    return list;
}

LC_Form5_help::LC_Form5_help() : InfoWindow("LC_Form5_help") {
    btn1 = makeDocumentButton("btn1", 1, 430, 465);
    Label2 = makeLabel(this, "Label2",
                       QStringLiteral("ReadMe para considerações gerais sobre meus softwares."),
                       1100, 495, 2205, 480);
    btn2 = makeDocumentButton("btn2", 2, 435, 1200);
    Label4 =
        makeLabel(this, "Label4",
                  QStringLiteral("ReadMe para informações sobre licença de uso e atualização."),
                  1100, 1185, 2205, 735);
    btn3 = makeDocumentButton("btn3", 3, 430, 1965);
    Label9 = makeLabel(this, "Label9",
                       QStringLiteral("ReadMe sobre características do software e versão."), 1100,
                       2025, 2205, 495);
}

PictureButton* LC_Form5_help::makeDocumentButton(const char* name, int which, int left, int top) {
    auto* button = new PictureButton(QString::fromLatin1(name), this);
    units::place(button, left, top, 480, 480);
    button->setPixmap(info_pictures::document(which));
    button->setToolTip(QStringLiteral(" Clique para abrir "));
    const QString path = documents().at(which - 1);
    press_effect::sinkWhilePressed(button, {labels_.lblPosLeft, labels_.lblPosTop});
    connect(button, &PictureButton::clicked, this,
            [this, path] { OpenFile(QDir(platform::programDir()).filePath(path)); });
    usePointerOf(button);
    return button;
}

void LC_Form5_help::OpenFile(const QString& path) {
    open_target::openDocument(path, this);
}
