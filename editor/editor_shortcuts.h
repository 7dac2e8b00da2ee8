#pragma once

#include <QKeySequence>
#include <QList>

class LC_Form3_pic;

// The editor's keys. Ctrl+S saves and Ctrl+C copies wherever the focus is in the editor, its
// text boxes included; Ctrl+Z and Ctrl+Y undo and redo while the canvas has the focus. Only the
// Ctrl bit counts: Shift, Alt or Meta held as well change nothing.
void installEditorShortcuts(LC_Form3_pic* editor);

// Ctrl+`key` with every combination of Shift, Alt and Meta.
QList<QKeySequence> withCtrl(Qt::Key key);
