#include "platform/beep.h"

#include <QApplication>

namespace platform {

void realBeep() {
    QApplication::beep();
}

}  // namespace platform
