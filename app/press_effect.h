#pragma once

#include <QString>

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

}  // namespace press_effect
