#include "ui/look.h"

#include <QApplication>
#include <QFont>

#include "ui/controls.h"
#include "ui/pictures.h"

void applyLook() {
    QApplication::setApplicationName(QStringLiteral("Lumacap"));
    QApplication::setWindowIcon(pictures::programIcon());
    QApplication::setFont(controls::dialogFont());
}
