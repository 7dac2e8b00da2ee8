#include "editor/save_copy.h"

#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "editor/picture_file.h"
#include "editor/save_name.h"
#include "platform/services.h"
#include "ui/notice.h"
#include "ui/picture_button.h"
#include "ui/window_metrics.h"

namespace {

// A beep, then the notice over the middle of the editor, above every window.
void noticeOverEditor(LC_Form3_pic* editor, const QString& text) {
    platform::services().beep();
    using namespace window_metrics;
    showNotice(text, leftTw(editor) + widthTw(editor) / 2 - 960,
               topTw(editor) + heightTw(editor) / 2 - 380, true);
}

}  // namespace

platform::SaveDialogRequest saveRequest() {
    platform::SaveDialogRequest request;
    request.title = QStringLiteral("Salvar Imagem");
    QStringList filters;
    for (const picture_file::TypeInfo& t : picture_file::types()) {
        filters << QString::fromLatin1(t.filter);
    }
    request.filter = filters.join(QStringLiteral(";;"));
    request.fileName = [](const QString& typed, int filter, QString* refusal) {
        const auto all = picture_file::types();
        const bool known = filter >= 0 && filter < static_cast<int>(all.size());
        return saveName(typed, known ? all[static_cast<std::size_t>(filter)].type : all[0].type,
                        refusal);
    };
    return request;
}

void SaveImage(LC_Form3_pic* editor) {
    // The dialog names the file by the extension rule of the type chosen, so that it asks
    // about the file written; the name then ends in that type's extension.
    const QString file = platform::services().chooseSaveFile(editor, saveRequest());
    if (file.isEmpty()) {
        return;
    }
    const QImage& picture = editor->canvasImage();
    if (picture.isNull()) {
        noticeOverEditor(editor, QStringLiteral("Erro ao salvar!"));
        return;
    }
    QString reason;
    if (!picture_file::save(picture, file, &reason)) {
        platform::services().message(editor, QStringLiteral("Erro"),
                                     QStringLiteral("Erro durante o salvamento: ") + reason,
                                     platform::MessageIcon::Critical);
        return;
    }
    noticeOverEditor(editor, QStringLiteral("Imagem salva!"));
}

void copyToClipboard(LC_Form3_pic* editor) {
    QString reason;
    if (!platform::services().putImageOnClipboard(editor->canvasImage(), &reason)) {
        platform::services().message(
            editor, QStringLiteral("Erro"),
            QStringLiteral("Não foi possível copiar a imagem para a área de transferência: ") +
                reason,
            platform::MessageIcon::Critical);
    }
}

void wireSaveAndCopy(LC_Form3_pic* editor) {
    QObject::connect(editor->btnSave, &PictureButton::clicked, editor,
                     [editor] { SaveImage(editor); });
    QObject::connect(editor->btnClipboard, &PictureButton::clicked, editor,
                     [editor] { copyToClipboard(editor); });
    QObject::connect(editor, &LC_Form3_pic::copyRequested, editor,
                     [editor] { copyToClipboard(editor); });
}
