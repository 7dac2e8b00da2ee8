#include "editor/shapes/number_stamp.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

#include "editor/shapes/shape_runs.h"

namespace number_stamp {

int diameter(int penWidth) {
    return 18 + 4 * std::max(1, penWidth);
}

QRect area(QPoint centre, int penWidth) {
    const int d = diameter(penWidth);
    return QRect(centre - QPoint((d - 1) / 2, (d - 1) / 2), QSize(d, d));
}

QColor numberColour(const QColor& disc) {
    // Lightness as the eye sees it: green counts most, blue least.
    const double light = 0.2126 * disc.red() + 0.7152 * disc.green() + 0.0722 * disc.blue();
    return light > 140 ? QColor(Qt::black) : QColor(Qt::white);
}

QImage picture(int number, const QColor& colour, int penWidth) {
    const int d = diameter(penWidth);
    QImage image(d, d, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return image;
    }
    image.fill(Qt::transparent);
    // The disc without smoothing: its edge has exactly the stroke colour, like the other shapes.
    QColor solid = colour;
    solid.setAlpha(255);
    pixel_runs::fill(image, shape_runs::disc({0, 0}, d), solid.rgba());
    const QString text = QString::number(number);
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    // Two digits fill most of the disc; more get smaller so that they stay inside it.
    font.setPixelSize(std::max(6, d * 11 / 20 - 3 * std::max(0, int(text.size()) - 2)));
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(numberColour(solid));
    p.drawText(QRect(0, 0, d, d), Qt::AlignCenter, text);
    return image;
}

void stamp(QImage& image, QPoint centre, int number, const QColor& colour, int penWidth) {
    QPainter p(&image);
    p.drawImage(area(centre, penWidth).topLeft(), picture(number, colour, penWidth));
}

}  // namespace number_stamp
