#include "app/look.h"

#include <QApplication>
#include <QFont>

#include "app/pictures.h"

void applyLook() {
    QApplication::setApplicationName(QStringLiteral("Lumacap"));
    QApplication::setWindowIcon(pictures::programIcon());
    // The classic dialog font; where the desktop lacks it, Arial and then any sans-serif.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}
