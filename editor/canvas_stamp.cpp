#include "editor/canvas_stamp.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace canvas_stamp {

namespace {

constexpr int kDotsPerMeter96 = 3780;  // 96 dots per inch
constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs;

QImage blank(QSize size, qreal scale) {
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    const int dotsPerMeter = static_cast<int>(std::lround(kDotsPerMeter96 * scale));
    img.setDotsPerMeterX(dotsPerMeter);
    img.setDotsPerMeterY(dotsPerMeter);
    img.fill(Qt::transparent);
    return img;
}

}  // namespace

TextPicture renderText(const QString& text, const QFont& font, const QColor& color, qreal scale) {
    if (text.isEmpty()) {
        return {};
    }
    const QImage probe = blank({1, 1}, scale);
    const QFontMetrics fm(font, &probe);
    const QRect box = fm.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), kFlags, text);
    // Italic and some glyphs reach outside the text's box; a margin keeps them whole.
    const int margin = fm.height() / 2 + 2;
    TextPicture out{blank(box.size() + QSize(2 * margin, 2 * margin), scale),
                    QPoint(margin, margin)};
    QPainter p(&out.image);
    p.setFont(font);
    p.setPen(color);
    p.drawText(QRect(out.origin, box.size() + QSize(margin, margin)), kFlags, text);
    return out;
}

void printText(QImage& canvas, QPoint topLeft, const QString& text, const QFont& font,
               const QColor& color, qreal scale) {
    const TextPicture stamp = renderText(text, font, color, scale);
    if (stamp.image.isNull() || canvas.isNull()) {
        return;
    }
    QPainter p(&canvas);
    p.drawImage(topLeft - stamp.origin, stamp.image);
}

void paintPicture(QImage& canvas, const QImage& picture, const QRect& target) {
    if (canvas.isNull() || picture.isNull() || target.isEmpty()) {
        return;
    }
    QPainter p(&canvas);
    p.drawImage(target, picture);
}

}  // namespace canvas_stamp
