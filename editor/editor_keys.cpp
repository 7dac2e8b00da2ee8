#include "editor/editor_keys.h"

#include <QApplication>
#include <QKeyEvent>

#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "editor/save_copy.h"

EditorKeys::EditorKeys(LC_Form3_pic* editor) : QObject(editor), editor_(editor) {
    setObjectName(QStringLiteral("EditorKeys"));
    // Keys go to the focused control first; only the application sees them before it does.
    qApp->installEventFilter(this);
}

bool EditorKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != editor_) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::ControlModifier)) {
        return false;
    }
    if (key->key() == Qt::Key_C) {
        // The canvas copies through its own key handler, which also serves undo and redo.
        if (watched == editor_->PicDrawBox) {
            return false;
        }
        copyCanvas(editor_);
        return true;
    }
    if (key->key() == Qt::Key_S) {
        SaveImage(editor_);
        return true;
    }
    return false;
}
