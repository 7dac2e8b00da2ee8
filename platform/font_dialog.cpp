#include "platform/font_dialog.h"

#include <QFontDialog>

namespace platform {

FontChoice realChooseFont(QWidget* parent, const QFont& initial) {
    FontChoice choice;
    choice.font = QFontDialog::getFont(&choice.accepted, initial, parent, QStringLiteral("Fonte"));
    return choice;
}

}  // namespace platform
