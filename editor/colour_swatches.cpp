#include "editor/colour_swatches.h"

#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "editor/swatch.h"
#include "platform/services.h"
#include "ui/picture_button.h"

std::optional<QColor> ShowColorDialog(QWidget* owner, const QColor& initial) {
    return platform::services().chooseColor(owner, initial);
}

void wireColourSwatches(LC_Form3_pic* editor) {
    QObject::connect(editor->lblCorFG, &PictureButton::clicked, editor, [editor] {
        if (const auto colour = ShowColorDialog(editor, swatch::color(editor->lblCorFG))) {
            swatch::setColor(editor->lblCorFG, *colour);
            editor->PicDrawBox->setForeColor(*colour);
        }
    });
    QObject::connect(editor->lblCorBG, &PictureButton::clicked, editor, [editor] {
        if (const auto colour = ShowColorDialog(editor, swatch::color(editor->lblCorBG))) {
            swatch::setColor(editor->lblCorBG, *colour);
        }
    });
}
