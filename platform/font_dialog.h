#pragma once

#include "platform/services.h"

namespace platform {
FontChoice realChooseFont(QWidget* parent, const QFont& initial);
}
