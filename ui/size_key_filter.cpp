#include "ui/size_key_filter.h"

#include <QKeyEvent>

#include "ui/typed_key.h"

bool SizeKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto c = typedCharacter(*static_cast<QKeyEvent*>(event));
        if (c && !sizeBoxAccepts(*c)) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
