#include "editor/sticker_pictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

namespace sticker_pictures {

QString fileName(int number) {
    return QStringLiteral("icone-%1.gif").arg(number, 2, 10, QLatin1Char('0'));
}

QImage iconDefault() {
    // A small grey "picture" sign: a frame with a hill and a sun, drawn once.
    static const QImage picture = [] {
        QImage img(22, 22, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0x47, 0x55, 0x69), 1.4));
        p.setBrush(QColor(0xe2, 0xe8, 0xf0));
        p.drawRoundedRect(QRectF(2, 3.5, 18, 15), 2, 2);
        QPainterPath hill;
        hill.moveTo(3, 17.8);
        hill.lineTo(8.5, 10.5);
        hill.lineTo(12, 14.5);
        hill.lineTo(14.5, 12);
        hill.lineTo(19, 17.8);
        hill.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x94, 0xa3, 0xb8));
        p.drawPath(hill);
        p.setBrush(QColor(0x64, 0x74, 0x8b));
        p.drawEllipse(QPointF(15, 8), 1.9, 1.9);
        return img;
    }();
    return picture;
}

QImage load(const QString& programDir, const QString& fileName) {
    const QString path = programDir + QStringLiteral("/IMG/") + fileName;
    if (!QFileInfo(path).isFile()) {
        return iconDefault();
    }
    QImageReader reader(path);
    const QImage picture = reader.read();
    return picture.isNull() ? iconDefault() : picture;
}

}  // namespace sticker_pictures
