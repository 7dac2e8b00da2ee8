#pragma once

#include <QKeySequence>
#include <QList>

class LC_Form3_pic;

// The editor's keys. Ctrl+S saves and Ctrl+C copies wherever the focus is in the editor, its
// text boxes included; Ctrl+Z and Ctrl+Y undo and redo while the canvas has the focus. Only the
// Ctrl bit counts: Shift, Alt or Meta held as well change nothing. While the canvas has the
// focus (never while typing in a text box), a plain letter chooses a tool (D pen, B fill, L
// line, A arrow, R rectangle, E ellipse, H marker, P pixelate, N numbers, C crop) and Escape
// ends the drag in progress without leaving anything.
void installEditorShortcuts(LC_Form3_pic* editor);

// Ctrl+`key` with every combination of Shift, Alt and Meta.
QList<QKeySequence> withCtrl(Qt::Key key);
