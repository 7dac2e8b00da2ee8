#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <initializer_list>

#include "ui/units.h"

class PictureButton;
class QAbstractButton;
class QButtonGroup;
class QFrame;
class QLabel;
class QWidget;

// The one home of the small helpers every window builds its controls with. Geometry is the
// design geometry in twips; every control gets its given name as its objectName.
namespace controls {

// A control of type W placed at (l, t) with size w x h twips.
template <class W>
W* make(QWidget* parent, const char* name, int l, int t, int w, int h) {
    auto* c = new W(parent);  // owned by its parent
    c->setObjectName(QString::fromLatin1(name));
    units::place(c, l, t, w, h);
    return c;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int l, int t, int w, int h);

// A square picture button showing the program's picture `picture` at its size.
PictureButton* pictureButton(QWidget* parent, const char* name, const char* picture, int l, int t,
                             int size, const QString& tip);

// A plain frame filled with one colour.
QFrame* solidFrame(QWidget* parent, const char* name, int l, int t, int w, int h,
                   const QColor& fill);
// A one-pixel box outline in `colour` that lets the mouse through.
QFrame* outline(QWidget* parent, const char* name, int l, int t, int w, int h,
                const QColor& colour);

// Makes `buttons` one choice of which exactly one is on, owned by `owner`. Left to Qt, option
// buttons that share a parent are grouped with every option button below that parent, those in
// its frames too, and two choices of one window then switch each other.
QButtonGroup* exclusive(QWidget* owner, std::initializer_list<QAbstractButton*> buttons);

// Grows every check box, option button and text box under `root` to the least height at which
// this desktop's style draws it whole (its mark, or its text with descenders, inside its frame),
// keeping its place; a frame that holds one of them grows to hold it whole. Never shrinks. The
// same rule on every window; run it again after a control's font changes.
void fitToStyle(QWidget* root);

void setTextColour(QWidget* w, const QColor& colour);
// Fills the widget's background with `colour`.
void setBackground(QWidget* w, const QColor& colour);

// The classic dialog font of every window: 8.25 points, sans-serif.
QFont dialogFont(bool bold = false);

}  // namespace controls
