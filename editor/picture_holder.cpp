#include "editor/picture_holder.h"

PictureHolder::PictureHolder(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    hide();
}
