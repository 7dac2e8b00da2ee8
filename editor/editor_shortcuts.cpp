#include "editor/editor_shortcuts.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "editor/save_copy.h"

namespace {

// A line edit keeps Ctrl+C for its own copy; in the editor's boxes it copies the canvas.
class CanvasCopyInBox : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_C && (key->modifiers() & Qt::ControlModifier)) {
                return true;  // not taken by the box: the window's copy runs
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

QAction* addKeys(QWidget* owner, const char* name, Qt::Key key, Qt::ShortcutContext context) {
    auto* action = new QAction(owner);  // owned by `owner`
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(withCtrl(key));
    action->setShortcutContext(context);
    owner->addAction(action);
    return action;
}

}  // namespace

QList<QKeySequence> withCtrl(Qt::Key key) {
    QList<QKeySequence> keys;
    for (const Qt::KeyboardModifiers extra :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier),
          Qt::KeyboardModifiers(Qt::AltModifier), Qt::KeyboardModifiers(Qt::MetaModifier),
          Qt::ShiftModifier | Qt::AltModifier, Qt::ShiftModifier | Qt::MetaModifier,
          Qt::AltModifier | Qt::MetaModifier,
          Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier}) {
        keys << QKeySequence(QKeyCombination(Qt::ControlModifier | extra, key));
    }
    return keys;
}

void installEditorShortcuts(LC_Form3_pic* editor) {
    QObject::connect(addKeys(editor, "actionSave", Qt::Key_S, Qt::WindowShortcut),
                     &QAction::triggered, editor, [editor] { SaveImage(editor); });
    QObject::connect(addKeys(editor, "actionCopy", Qt::Key_C, Qt::WindowShortcut),
                     &QAction::triggered, editor, &LC_Form3_pic::copyRequested);
    auto* boxes = new CanvasCopyInBox(editor);  // owned by the editor
    for (QLineEdit* box : {editor->TextPic, editor->txtNumHeight}) {
        box->installEventFilter(boxes);
    }

    Canvas* canvas = editor->PicDrawBox;
    QObject::connect(addKeys(canvas, "actionUndo", Qt::Key_Z, Qt::WidgetShortcut),
                     &QAction::triggered, editor, &LC_Form3_pic::undoKey);
    QObject::connect(addKeys(canvas, "actionRedo", Qt::Key_Y, Qt::WidgetShortcut),
                     &QAction::triggered, editor, &LC_Form3_pic::redoKey);
}
