#include "editor/canvas_limits.h"

#include <QLocale>

namespace canvas_limits {

QString growRefusal(int width, int height, int band) {
    const QLocale pt(QLocale::Portuguese, QLocale::Brazil);
    const qint64 newHeight = qint64(height) + band;
    const QString start =
        QStringLiteral("Não foi possível aumentar a imagem em %1 pixels: ").arg(pt.toString(band));
    if (newHeight > kMaxHeight) {
        return start + QStringLiteral("ela ficaria com %1 pixels de altura, e o limite é %2.")
                           .arg(pt.toString(newHeight), pt.toString(kMaxHeight));
    }
    if (qint64(width) * newHeight > kMaxPixels) {
        return start + QStringLiteral("ela ficaria com %1 megapixels, e o limite é %2.")
                           .arg(pt.toString(double(width) * double(newHeight) / 1e6, 'f', 1),
                                pt.toString(kMaxPixels / 1'000'000));
    }
    return {};
}

}  // namespace canvas_limits
