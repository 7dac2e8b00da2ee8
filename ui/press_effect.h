#pragma once

#include <QString>

class PictureButton;
class QWidget;

// The press effect of picture buttons: while pressed a button sits one pixel (15 twips) right
// and down; its resting place is kept as text in a slot of two labels owned by the window.
namespace press_effect {

struct Slot {
    QString& left;
    QString& top;
};

void press(QWidget* button, Slot slot);
void release(QWidget* button, Slot slot);

// Makes `button` sink while any mouse button holds it down, keeping its resting place in
// `slot`. The slot's labels must outlive the button (they belong to its window).
void sinkWhilePressed(PictureButton* button, Slot slot);

}  // namespace press_effect
