#pragma once

#include "platform/services.h"

namespace platform {
void realMessage(QWidget* parent, const QString& title, const QString& text, MessageIcon icon);
}
