#include "ui/press_effect.h"

#include <QWidget>

#include "ui/picture_button.h"
#include "ui/units.h"

namespace press_effect {

void press(QWidget* button, Slot slot) {
    slot.top = QString::number(units::tw(button->y()));
    slot.left = QString::number(units::tw(button->x()));
    button->move(units::px(units::tw(button->x()) + 15), units::px(units::tw(button->y()) + 15));
}

void release(QWidget* button, Slot slot) {
    button->move(units::px(slot.left.toDouble()), units::px(slot.top.toDouble()));
}

void sinkWhilePressed(PictureButton* button, Slot slot) {
    QObject::connect(button, &PictureButton::pressed, button,
                     [button, slot] { press(button, slot); });
    QObject::connect(button, &PictureButton::released, button,
                     [button, slot] { release(button, slot); });
}

}  // namespace press_effect
