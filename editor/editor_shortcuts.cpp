#include "editor/editor_shortcuts.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "editor/save_copy.h"
#include "editor/tool_selector.h"

namespace {

// Ctrl+C in the editor's boxes: with text selected in the box it copies that text, otherwise
// the canvas (a line edit would keep the key for its own copy even with nothing selected).
class CanvasCopyInBox : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) {
            return QObject::eventFilter(watched, event);
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (!box || key->key() != Qt::Key_C || !(key->modifiers() & Qt::ControlModifier)) {
            return QObject::eventFilter(watched, event);
        }
        if (!box->hasSelectedText()) {
            // Not taken by the box: the window's copy runs.
            return type == QEvent::ShortcutOverride;
        }
        if (type == QEvent::ShortcutOverride) {
            event->accept();  // the key goes to the box, not to the window's copy
        } else {
            box->copy();  // with Shift or Alt as well, which the box would not copy on
        }
        return true;
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

// A key of the canvas alone: it acts only while the canvas has the focus.
QAction* addKey(QWidget* canvas, const char* name, const QKeySequence& key) {
    auto* action = new QAction(canvas);  // owned by the canvas
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetShortcut);
    canvas->addAction(action);
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

    for (const ToolInfo& t : keyedTools()) {
        const ToolKind kind = t.kind;
        QObject::connect(addKey(canvas, t.action, QKeySequence(t.key)), &QAction::triggered, editor,
                         [editor, kind] { editor->tools().choose(kind); });
    }
    QObject::connect(addKey(canvas, "actionCancelTool", QKeySequence(Qt::Key_Escape)),
                     &QAction::triggered, editor, [editor] { editor->tools().cancelUse(); });
}
