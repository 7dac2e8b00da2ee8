#include "editor/save_name.h"

QString bmpFileName(const QString& chosen) {
    if (chosen.right(4).toUpper() == QLatin1String(".BMP")) {
        return chosen;
    }
    return chosen + QStringLiteral(".bmp");
}
