#include "platform/message_box.h"

#include <QMessageBox>

namespace platform {

void realMessage(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) {
    QMessageBox box(
        icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information, title,
        text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("LumacapMessage"));
    box.exec();
}

}  // namespace platform
