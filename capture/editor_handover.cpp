#include "capture/editor_handover.h"

#include "editor/editor_window.h"
#include "ui/forms.h"

namespace editor_handover {

namespace {
// Null only while the program ends, when no window is made.
LC_Form3_pic* editor() {
    return Forms::instance().get<LC_Form3_pic>();
}
}  // namespace

void hideEditor() {
    if (LC_Form3_pic* e = editor()) {
        e->hide();
    }
}

QWidget* shownEditor() {
    auto* e = Forms::instance().ifLoaded<LC_Form3_pic>();
    return e && e->isVisible() ? e : nullptr;
}

void putCapture(const QImage& picture, bool keepAsUnedited) {
    if (LC_Form3_pic* e = editor()) {
        e->putCapture(picture, keepAsUnedited);
    }
}

QImage canvasImage() {
    LC_Form3_pic* e = editor();
    return e ? e->canvasImage() : QImage();
}

void showEditor(const EditorPlacement& placement, const EditorScreen& screen) {
    LC_Form3_pic* e = editor();
    if (!e) {
        return;
    }
    e->placeEditor(placement, screen);
    e->show();
    e->raise();
    e->activateWindow();
}

}  // namespace editor_handover
