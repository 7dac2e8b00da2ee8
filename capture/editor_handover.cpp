#include "capture/editor_handover.h"

#include "editor/editor_window.h"
#include "ui/forms.h"

namespace editor_handover {

namespace {
LC_Form3_pic* editor() {
    return Forms::instance().get<LC_Form3_pic>();
}
}  // namespace

void hideEditor() {
    editor()->hide();
}

QWidget* shownEditor() {
    auto* e = Forms::instance().ifLoaded<LC_Form3_pic>();
    return e && e->isVisible() ? e : nullptr;
}

void putCapture(const QImage& picture, bool keepAsUnedited) {
    editor()->putCapture(picture, keepAsUnedited);
}

QImage canvasImage() {
    return editor()->canvasImage();
}

void showEditor(const EditorPlacement& placement, const EditorScreen& screen) {
    LC_Form3_pic* e = editor();
    e->placeEditor(placement, screen);
    e->show();
    e->raise();
    e->activateWindow();
}

}  // namespace editor_handover
